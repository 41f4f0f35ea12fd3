/// @file
/// Check: how the loaders report a failed check. The report names the condition, the source unit
/// and the line, as "Assertion failed: <condition>, file <unit>, line <n>" on standard error;
/// the caller then takes its failure path. A failed check never ends the process.
#pragma once

void reportCheckFailure(const char* condition, const char* unit, int line);

// Tests a condition; when it is false, reports it and yields false. The condition text is the
// expression as written, so a refusal reads `false && "Could not read file header"`.
#define INTRO_CHECK(condition)                                                                     \
    ((condition) ? true : (reportCheckFailure(#condition, __FILE_NAME__, __LINE__), false))
