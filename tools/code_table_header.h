// Writes src/decoder/code_tables.h from the entries of the UTF-8 table source.
#ifndef MOJIROLL_TOOLS_CODE_TABLE_HEADER_H_
#define MOJIROLL_TOOLS_CODE_TABLE_HEADER_H_

#include <string>
#include <vector>

#include "code_table_source.h"

// Builds the text of the generated header: every table complete, every entry on a line of its own
// as a Shift-JIS string literal followed by its code and UTF-8 text. Gives 0 and a message in
// `error` when a code is missing, repeated or out of range, or a text has no Shift-JIS form.
int write_code_tables_header(const std::vector<code_table_entry>& entries, std::string& header,
                             std::string& error);

#endif  // MOJIROLL_TOOLS_CODE_TABLE_HEADER_H_
