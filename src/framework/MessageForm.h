#pragma once
// The framework's own message box, for systems whose common controls have no task dialog.

#include <string>
#include <vector>

#include "MessageBoxRules.h"

// A dialog-framed form with the caption, the word-wrapped text and the buttons (the first is the default, the
// last the cancel button), centred on the screen for X and Y of -1; shown modally and freed. Its modal result.
int ShowMessageForm(const std::wstring& caption, const std::wstring& message, const std::vector<DialogButton>& buttons,
                    int x, int y);
