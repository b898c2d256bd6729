#include "uMainform.h"

#include "Application.h"
#include "Dialogs.h"
#include "FullscreenToggle.h"
#include "Screen.h"

TForm1* Form1 = nullptr;

namespace {

// The outer rectangle and state of the window when it last went fullscreen.
TRect rect;
TWindowState ws = wsNormal;

constexpr PublishedField kFields[] = {
    PublishField<&TForm1::Button1>(L"Button1"),
    PublishField<&TForm1::FileOpenDialog1>(L"FileOpenDialog1"),
    PublishField<&TForm1::Button2>(L"Button2"),
    PublishField<&TForm1::Button3>(L"Button3"),
};

constexpr PublishedMethod kMethods[] = {
    PublishMethod<&TForm1::Button1Click>(L"Button1Click"),
    PublishMethod<&TForm1::Button2Click>(L"Button2Click"),
    PublishMethod<&TForm1::Button3Click>(L"Button3Click"),
};

} // namespace

const TFormClass TForm1::Class{L"TForm1", kFields, kMethods};

TForm1::TForm1(TComponent* owner) : TForm(owner, Class) { InitializeComponent(); }

void TForm1::Button1Click(TObject*) { ShowMessagePos(L"Alles klar", -1, -1); }

void TForm1::Button2Click(TObject*) { FileOpenDialog1->Execute(); }

void TForm1::Button3Click(TObject*) { ToggleFullscreen(*this, *Screen, Application->Taskbar(), rect, ws); }
