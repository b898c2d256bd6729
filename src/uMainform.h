#pragma once
// The main window: three buttons and the file-open dialog, built from its window definition.

#include "FileDialogs.h"
#include "Forms.h"
#include "StdCtrls.h"

class TForm1 : public TForm {
public:
  explicit TForm1(TComponent* owner);

  // Published: filled and bound by name from the window definition.
  TButton* Button1 = nullptr;
  TFileOpenDialog* FileOpenDialog1 = nullptr;
  TButton* Button2 = nullptr;
  TButton* Button3 = nullptr;
  void Button1Click(TObject* sender);
  void Button2Click(TObject* sender);
  void Button3Click(TObject* sender);

  static const TFormClass Class;
};

extern TForm1* Form1;
