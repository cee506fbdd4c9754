// Passwords inside connection strings.
//
// Price-list connection texts may carry their password scrambled, so that it is not readable in the host's
// files. The scrambling is length-preserving and changes only ASCII letters and digits:
//  - variant 1 substitutes each letter and digit through fixed tables (letters stay letters of the same
//    case, digits stay digits);
//  - variant 2 first shifts each character by its position within its run of letters and digits (the
//    first of a run by 0, the next by 1, ...), then substitutes as variant 1.
// Every other character is kept. ClearPassword is the exact inverse of ScramblePassword.
#pragma once

#include <string>

namespace rovan {

std::string ScramblePassword(const std::string& clear, int variant);
std::string ClearPassword(const std::string& scrambled, int variant);

// Registry key and value that may hold the stored database password (scrambled, variant 1).
inline constexpr const char* kPasswordRegistryKey =
    "HKEY_LOCAL_MACHINE\\Software\\Molvane Software S.r.l.\\MSDE\\";
inline constexpr const char* kPasswordRegistryValue = "PSW";

// The connection-string password treatment, applied to every price-list connection text read from the
// host or registered as an object library. Two passes, keys compared case-insensitively, everything
// outside the password value preserved:
//  1. "PASSWORDCR<v>=<scrambled>" becomes "Password=<clear>" (variant 2 when <v> is "2", else 1);
//  2. "PASSWORD=***" takes the stored password from the registry (unchanged when there is none), and
//     "PASSWORD=*<scrambled>*" becomes "Password=<clear>"; any other value is kept.
std::string DecodificaConnessione(const std::string& connessione);

}  // namespace rovan
