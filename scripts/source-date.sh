# SPDX-License-Identifier: GPL-3.0-or-later
# Sets and exports SOURCE_DATE_EPOCH (sourced, not run; needs root): the time every file and
# archive member of a package carries. The last commit's; outside a clone (an unpacked source
# archive), the date of the newest release notes entry. A value already set is kept.
if [[ -z ${SOURCE_DATE_EPOCH:-} ]]; then
    if [[ -e $root/.git ]]; then
        SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)
    else
        released=$(sed -n '0,/^ -- .*>  /s/^ -- .*>  //p' "$root/desktop/changelog")
        [[ -n $released ]] || { echo "desktop/changelog: no dated entry" >&2; exit 1; }
        SOURCE_DATE_EPOCH=$(date -d "$released" +%s)
    fi
fi
export SOURCE_DATE_EPOCH
