// The texts a user is shown, written out independently of the program's own
// literals so that a changed literal fails the tests.
#pragma once

#include <string>

inline const std::u16string kReplies[7] = {
    u"",
    u"My sources say Yes",
    u"I think you already know the answer",
    u"Most unlikely",
    u"The answer is clouded",
    u"Ask again later",
    u"Am i your slave or something, STOP asking me questions!!",
};
inline const std::u16string kComplaint = u"How am i supposed to answer when you don't give me a question!";
