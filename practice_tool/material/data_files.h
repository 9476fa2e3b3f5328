// The makers of the data that ships with the tool (practice_tool/data), from the
// public data sets it comes from: the Wubi tables and the radical data trimmed
// to the characters GBK holds, each with a notice of its origin, licence and
// change. False with `failure` saying why.
#pragma once

#include <string>

// From a Wubi 86 table in the Rime format (Debian's wubi86.dict.yaml).
bool WriteTable86(const char* source, const char* out, std::string& failure);

// From the Wubi 98 full codes and the ranked list of every code, both UTF-16
// lines of "字<TAB>code".
bool WriteTable98(const char* fullCodes, const char* ranked, const char* out, std::string& failure);

// From the radical data of version `version` ("86" or "98").
bool WriteRadicalData(const char* spelling, const std::string& version, const char* out,
                      std::string& failure);
