// The maker of the frequency data (practice_tool/data/hanzi-frequency.txt)
// from Unihan, as Debian's unicode-data package holds it.
#pragma once

#include <string>

// From the folder of Unihan's files (Unihan_Readings.txt and
// Unihan_OtherMappings.txt, or their .bz2 forms) and the shipped Wubi 86 table
// `table86`: the characters GBK holds, most frequent first. False with
// `failure` saying why.
bool WriteFrequencyData(const std::string& unihanFolder, const char* table86, const char* out,
                        std::string& failure);
