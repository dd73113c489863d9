// The name a report names as its producer: the account's full name, which is the first field
// of the comment (GECOS) field of the user's password entry, or the login name when the
// account has no full name.
#pragma once

#include <string>

// The full name from a password entry's comment field ("Ana Ruiz,Room 4,555-1234": "Ana Ruiz"),
// else the login name.
std::string UserNameFromAccount(const std::string& comment, const std::string& login);

// The current user's name; the USER environment variable when the account has no entry.
std::string CurrentUserName();
