// The [Message] texts: one table of keys and built-in texts, read from the ini file at the moment of showing.
#pragma once

#include <string>

// The text of a [Message] key (the built-in English text when the ini file has none).
std::string MessageText(const char* key);
// An error or information box with that text: OK, information icon, caption g_Var.MsgTitle.
void ShowMessage(const char* key);
// A Yes/No question with that text and no icon; true for Yes.
bool AskQuestion(const char* key);
// The same boxes for a ready text.
void ShowMessageText(const std::string& text);
