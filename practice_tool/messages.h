// Everything the tool says, in English and in Chinese: one table of the
// message ids (message_ids.h) with both texts, so that neither language falls
// behind the other.
#pragma once

#include "practice_tool/message_ids.h"
#include "practice_tool/tool_platform.h"

#include <cstdio>
#include <string>
#include <vector>

// The GBK text of `id`, with {1}, {2}... where arguments go; "" for an id
// without one (Msg::none).
const char* MessageText(Language language, Msg id);

// The text of `id` as the console shows it, each {N} replaced by args[N-1].
// Arguments are in the console's encoding already: paths, numbers.
std::string Say(Language language, Msg id, const std::vector<std::string>& args = {});

// Says `id` on `stream`, ending the line.
void Print(std::FILE* stream, Language language, Msg id, const std::vector<std::string>& args = {});
