// Reading a media command text ("play PATH", "status PATH mode",
// "open \"PATH\" alias animation", "put animation window at 1 1 W H") into its
// verb, device name and options. The device name may be a path holding
// spaces and words such as "wait" or "mode"; words inside it are never taken
// for options. Plain C++, so the rules are tested without a media library.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

struct rectangle_finestra {
    int x = 0;
    int y = 0;
    int amplada = 0;
    int alcada = 0;
    bool operator==(const rectangle_finestra&) const = default;
};

struct ordre_media {
    std::string verb;       // lower case: "open", "play", "close", "status", "put", ...
    std::string dispositiu; // alias or path, without padding or quotes
    std::string alias;      // open ... alias NAME
    std::string tipus;      // open ... type NAME
    std::string element;    // status ... ITEM (lower case), e.g. "mode"
    std::optional<rectangle_finestra> finestra; // put ... window at X Y W H
    // Words after a quoted device name that no rule above took, lower case.
    std::vector<std::string> opcions;
};

struct resultat_ordre {
    std::optional<ordre_media> ordre;
    std::string error; // why the text is not a command, when ordre is empty
};

// Rules for an unquoted device name (the program sends paths padded with
// spaces, unquoted): the whole rest of the command, trimmed, is the name,
// except that "status" takes a last word "mode" as its item, "open" takes a
// trailing "alias NAME" (and before it "type NAME"), and "put" takes a
// trailing "window at X Y W H". A quoted name ends at the last quote; every
// word after it is an option.
resultat_ordre llegir_ordre_media(std::string_view text);

} // namespace quorvel
