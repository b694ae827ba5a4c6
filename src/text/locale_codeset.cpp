#include "locale_codeset.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>

namespace tcm::text {

std::string localeCodeset()
{
    // Read from the environment rather than from the process's current
    // locale: Qt 6.5 and later replace a non-UTF-8 LC_CTYPE with a UTF-8 one
    // at start-up, which would hide the user's own character set.
    const locale_t user = ::newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
    if (!user)
        return "ANSI_X3.4-1968";  // the "C" locale's
    std::string codeset = ::nl_langinfo_l(CODESET, user);
    ::freelocale(user);
    return codeset;
}

}  // namespace tcm::text
