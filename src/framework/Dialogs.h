#pragma once
// The standard message boxes: the system's task dialog where the common controls have it, else a message form
// of the framework's own.

#include <cstdint>
#include <initializer_list>
#include <string>

enum class TMsgDlgType : std::uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
using enum TMsgDlgType;

enum class TMsgDlgBtn : std::uint8_t { mbYes, mbNo, mbOK, mbCancel };
using enum TMsgDlgBtn;

// A set of buttons, one bit each.
class TMsgDlgButtons {
public:
  constexpr TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons) noexcept {
    for (TMsgDlgBtn button : buttons) bits_ |= Bit(button);
  }
  constexpr bool Contains(TMsgDlgBtn button) const noexcept { return (bits_ & Bit(button)) != 0; }

private:
  static constexpr std::uint32_t Bit(TMsgDlgBtn button) noexcept { return 1u << static_cast<unsigned>(button); }
  std::uint32_t bits_ = 0;
};

// Modal results: the identifiers of the buttons that close a box.
constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7;

// Whether message boxes may use the system's task dialog: always, as nothing in the program changes it.
inline constexpr bool UseLatestCommonDialogs = true;

// Each route of MessageDlgPosHelp on its own, taken without the route rule: for a caller that must see one route
// whatever the system's common controls are.
int TaskMessageDlgPos(const std::wstring& message, TMsgDlgType type, TMsgDlgButtons buttons, int x, int y);
int MessageFormDlgPos(const std::wstring& message, TMsgDlgType type, TMsgDlgButtons buttons, int x, int y);

// Shows `message` in a box captioned with the application title, with one OK button; returns once it is closed.
// X and Y of -1 centre the box.
void ShowMessagePos(const std::wstring& message, int x, int y);

// The box of the given type and buttons; the modal result of the button that closed it, 0 when none could be
// shown.
int MessageDlgPosHelp(const std::wstring& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext, int x,
                      int y, const std::wstring& helpFileName);
