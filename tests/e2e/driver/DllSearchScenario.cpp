// A copy of the program beside a planted library under system libraries' names (shcore.dll, which the program
// loads itself, and others the system loads for it): the program works and never loads one.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "Commands.h"
#include "MainWindow.h"
#include "support/Image.h"
#include "support/ModuleVersion.h"
#include "support/TemporaryFolder.h"
#include "support/Text.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

// The library the program itself loads at run time, and libraries the system loads on its behalf once it
// runs (themes, composition, the file dialog's parts). The program's static imports are not among them: those
// the loader resolves before the program runs, from the system's known libraries.
constexpr const wchar_t* plantedNames[] = {L"shcore.dll",  L"uxtheme.dll",  L"dwmapi.dll",        L"version.dll",
                                           L"propsys.dll", L"comdlg32.dll", L"explorerframe.dll", L"msctf.dll"};
constexpr wchar_t markSuffix[] = L".loaded";

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The planted libraries that have left their mark in the folder, or "none".
std::wstring Marked(const TemporaryFolder& folder) {
  std::wstring marked;
  for (const wchar_t* name : plantedNames) {
    if (Exists(folder.Path() + L"\\" + name + markSuffix)) marked += std::wstring(marked.empty() ? L"" : L", ") + name;
  }
  return marked.empty() ? L"none" : marked;
}

// The current directory for as long as it lives: a child started meanwhile inherits it.
class CurrentDirectory {
public:
  explicit CurrentDirectory(const std::wstring& path) {
    wchar_t former[MAX_PATH]{};
    former_.assign(former, GetCurrentDirectoryW(MAX_PATH, former));
    SetCurrentDirectoryW(path.c_str());
  }
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;
  ~CurrentDirectory() { SetCurrentDirectoryW(former_.c_str()); }

private:
  std::wstring former_;
};

// The system directory that a process of the image loads system libraries from: a 32-bit one's is the
// 32-bit system directory.
std::wstring SystemDirectoryOf(HANDLE process) {
  wchar_t directory[MAX_PATH]{};
  BOOL emulated = FALSE;
  if (IsWow64Process(process, &emulated) && emulated) {
    return std::wstring(directory, GetSystemWow64DirectoryW(directory, MAX_PATH));
  }
  return std::wstring(directory, GetSystemDirectoryW(directory, MAX_PATH));
}

// Whether the library is of the driver's own kind, so that the driver can load it itself.
bool LoadableHere(const std::wstring& library) {
  return DescribeImage(library) == (sizeof(void*) == 8 ? "PE32+, x86-64" : "PE32, x86");
}

} // namespace

void DllSearchScenario(Checker& check, const std::wstring& program, const std::wstring& planted) {
  TemporaryFolder folder(L"pellacord-planted");
  std::vector<std::wstring> plantedPaths;
  for (const wchar_t* name : plantedNames) {
    plantedPaths.push_back(folder.AddCopy(planted, name));
    folder.AddExpected(std::wstring(name) + markSuffix);
  }
  std::printf("folder: %s\n", ToUtf8(folder.Path()).c_str());

  // The marks can appear: a planted library leaves its mark when loaded, here into the driver itself; a
  // library of the other kind than the driver, planted for the 32-bit image, is proven by the 64-bit run.
  if (!LoadableHere(planted)) {
    std::printf("the planted library is not of the driver's kind: its mark is proven by the 64-bit build's run\n");
  } else {
    const std::wstring& path = plantedPaths.front();
    const HMODULE loaded = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    check.Require(true, loaded != nullptr, "a planted library loads when asked for by its path");
    FreeLibrary(loaded);
    const std::wstring mark = path + markSuffix;
    check.Require(true, Exists(mark), "a planted library leaves its mark when loaded");
    check.Require(true, DeleteFileW(mark.c_str()) != FALSE, "the mark removed before the program starts");
  }

  const std::wstring copy = folder.AddCopy(program, L"Pellacord.exe");
  // The folder is also the current directory, the other place a plain library search looks early.
  const CurrentDirectory current(folder.Path());
  const Process process = Process::Launch(copy);
  const HWND window = RequireWindow(check, process, mainWindowClass);
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program idle after start-up");
  // Laid out by the planted shcore.dll's answer, the window would be twice as large.
  check.Equal(Size{624, 441}, ClientSize(window), "client size at 96 DPI");

  // Each command, so that what they load on first use (the dialogs, the shell's parts) is loaded too.
  const FrameState framed = ReadFrame(window);
  GreetingRoundTrip(check, process, window, RequireChild(check, window, L"Hallo?"));
  FileDialogRoundTrip(check, process, window, RequireChild(check, window, L"File-Dlg"));
  FullscreenRoundTrip(check, window, RequireChild(check, window, L"Fullscreen"), framed);

  const std::vector<std::wstring> modules = LoadedModulePaths(process.Handle(), L"");
  check.Equal(true, !modules.empty(), "the program's modules can be listed");
  const std::wstring folderPrefix = Lowercase(folder.Path() + L"\\");
  const std::wstring systemShcore = Lowercase(SystemDirectoryOf(process.Handle()) + L"\\shcore.dll");
  bool systemShcoreLoaded = false;
  std::string namedFromFolder;
  for (const std::wstring& module : modules) {
    const std::wstring path = Lowercase(module);
    if (path == systemShcore) systemShcoreLoaded = true;
    if (path.starts_with(folderPrefix) && path != Lowercase(copy)) namedFromFolder += " " + ToUtf8(module);
  }
  // Not a check: Wine names some of its own libraries, loaded before the program runs, after a file of the same
  // name it found beside the program, though it runs its own code (the marks tell). On Windows these would be
  // planted libraries loaded as dependencies of the program's imports.
  std::printf("%zu modules; named by a path in the program's folder:%s\n", modules.size(),
              namedFromFolder.empty() ? " none" : namedFromFolder.c_str());
  // The program asks for shcore.dll to lay out its window: it comes from the system directory.
  check.Equal(true, systemShcoreLoaded, "shcore.dll loaded from " + ToUtf8(SystemDirectoryOf(process.Handle())));
  check.Equal(std::wstring(L"none"), Marked(folder), "planted libraries loaded while the program runs");

  CheckClosesCleanly(check, process, window, exitTimeout);
  check.Equal(std::wstring(L"none"), Marked(folder), "planted libraries loaded by the time the program ended");
}

} // namespace e2e
