// The behaviour-script scanner: turns a script text held in memory into tokens for the parser,
// interning every name and number text into the symbol table. Comment text is echoed to
// standard output; a name or number longer than the scan buffer ends the process (status 2)
// with a message naming the file.
#pragma once

#include <cstdint>

// Set with each token: the character code, the comparison code (1 >, 2 <, 3 ==, 4 >=, 5 <=,
// 6 ~=) or the slot index of a name or number.
extern int32_t gScriptTokenValue;

// Points the scanner at a NUL-terminated text that must outlive the scan, clears the comment
// flag and empties the scan buffer, which is created on first use and kept afterwards. `name`
// (the text's file, or null) must outlive the scan too: it opens a fatal message.
void BeginScriptScan(const char* text, const char* name = nullptr);
// The next token number (the parser's), 0 at the end of the text.
int NextScriptToken();
// The line of the last token returned, counting from 1: where a syntax error was found (the
// end of the text counts as the line of its last token).
int ScriptTokenLine();
// Comment text is echoed without its line breaks; this ends the echoed line, if one is open,
// so that whatever is printed next starts a line of its own.
void EndScriptCommentLine();
