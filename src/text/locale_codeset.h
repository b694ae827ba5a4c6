#pragma once

#include <string>

namespace tcm::text {

// The character set of the user's locale (its LC_CTYPE, from LC_ALL,
// LC_CTYPE or LANG), as iconv names it: "UTF-8", "GBK", "ISO-8859-1",
// "ANSI_X3.4-1968"... When the locale the environment names is not
// installed, the C library runs in the "C" locale, and so do we.
std::string localeCodeset();

}  // namespace tcm::text
