#pragma once
// Forms of the framework's test program: one whose buttons raise the error they are told to and show the
// greeting box, and two whose definitions fail while the form is built.

#include "FileDialogs.h"
#include "Forms.h"
#include "StdCtrls.h"

class TProbeForm : public TForm {
public:
  explicit TProbeForm(TComponent* owner);

  TButton* RaiseButton = nullptr;
  TButton* GreetButton = nullptr;
  TButton* FileButton = nullptr;
  TButton* BoxButton = nullptr;
  TButton* FontButton = nullptr;
  TButton* ScaledButton = nullptr;
  TButton* CuesButton = nullptr;
  TFileOpenDialog* FileOpenDialog1 = nullptr;
  void RaiseButtonClick(TObject* sender);
  void GreetButtonClick(TObject* sender);
  // Open the file dialog and the greeting box, optionally with a failure injected, and count each run with
  // its result in the button's caption, so that a test can tell that the command ended and how.
  void FileButtonClick(TObject* sender);
  void BoxButtonClick(TObject* sender);
  // Report in their own caption what only the process itself can read: the controls' font height, and the
  // window's answer to WM_GETDPISCALEDSIZE.
  void FontButtonClick(TObject* sender);
  void ScaledButtonClick(TObject* sender);
  // Reports which keyboard cues the window was asked to show (WM_CHANGEUISTATE with UIS_CLEAR) since start:
  // Wine keeps no hidden cues, so the window's own record is what shows that the keys ask for them.
  void CuesButtonClick(TObject* sender);

  static const TFormClass Class;

protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  WORD cuesShown_ = 0;
};

// Its class has no window definition in the image.
class TUndefinedForm : public TForm {
public:
  explicit TUndefinedForm(TComponent* owner);
  static const TFormClass Class;
};

// Its definition binds a click to a method the class does not publish.
class TMisboundForm : public TForm {
public:
  explicit TMisboundForm(TComponent* owner);
  TButton* Button1 = nullptr;
  void Button1Click(TObject* sender);
  static const TFormClass Class;
};

extern TProbeForm* ProbeForm;
