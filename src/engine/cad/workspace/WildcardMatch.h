#pragma once
// Text comparison of selection filters, as CAD applications make it: without regard to
// case, with wildcards. "," separates alternatives; "*" any run of characters, "?" any
// one, "#" a digit, "@" a letter, "." a character that is neither; "[...]" one of the
// characters (ranges a-z allowed, "[~...]" none of them); "~" before a pattern negates
// it; "`" takes the next character literally.
#include <string_view>

namespace engine::cad {

bool WildcardMatch(std::string_view pattern, std::string_view text);

}  // namespace engine::cad
