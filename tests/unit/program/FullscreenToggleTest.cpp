#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Exceptions.h"
#include "FullscreenToggle.h"

namespace {

struct FakeMonitor {
  int handle;
  TRect bounds;
  TRect BoundsRect() const { return bounds; }
};

// Answers the nearest-monitor lookup with whichever monitor the test names.
struct FakeScreen {
  std::vector<FakeMonitor> monitors;
  int nearest = 0; // index into monitors, or -1 for none
  std::vector<std::string> lookups;

  const FakeMonitor* MonitorFromWindow(int window, TMonitorDefaultTo defaultTo) {
    lookups.push_back("window " + std::to_string(window) + (defaultTo == mdNearest ? " nearest" : " other"));
    return nearest < 0 ? nullptr : &monitors.at(static_cast<std::size_t>(nearest));
  }
};

// Records each operation the toggle asks of the form, in order, and behaves as a window would: a frame change
// keeps the outer rectangle, SetBounds moves it, a maximized state survives both.
struct FakeForm {
  TFormBorderStyle borderStyle = bsSizeable;
  TWindowState windowState = wsNormal;
  TRect bounds{100, 50, 740, 530};
  std::vector<std::string> calls;

  TFormBorderStyle BorderStyle() const { return borderStyle; }
  TWindowState WindowState() const { return windowState; }
  TRect BoundsRect() const { return bounds; }
  int Handle() const { return 42; }
  void SetBorderStyle(TFormBorderStyle style) {
    calls.push_back(style == bsNone ? "border none" : "border sizeable");
    borderStyle = style;
  }
  void SetWindowState(TWindowState state) {
    calls.push_back("state " + std::to_string(static_cast<int>(state)));
    windowState = state;
  }
  void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    calls.push_back("bounds " + std::to_string(left) + "," + std::to_string(top) + " " + std::to_string(width) + "x" +
                    std::to_string(height));
    bounds = {left, top, left + width, top + height};
  }
};

using Calls = std::vector<std::string>;

// Writes what the shell is told into the form's record, so that its place among the form's operations shows.
struct FakeTaskbar {
  Calls& calls;
  void MarkFullscreenWindow(int window, bool fullscreen) {
    calls.push_back("taskbar " + std::to_string(window) + (fullscreen ? " fullscreen" : " framed"));
  }
};

constexpr TRect kPrimary{0, 0, 1920, 1080};

// A window on the given monitors, with the toggle's two saved values; Click() is a click on the button.
struct ToggledWindow {
  explicit ToggledWindow(std::vector<FakeMonitor> monitors, int nearest = 0)
      : screen{std::move(monitors), nearest, {}} {}
  void Click() { ToggleFullscreen(form, screen, taskbar, rect, ws); }

  FakeForm form;
  FakeTaskbar taskbar{form.calls};
  FakeScreen screen;
  TRect rect;
  TWindowState ws = wsNormal;
};

TEST(FullscreenToggle, EntersOverTheNearestMonitorAndLeavesToTheSavedRectangle) {
  const struct {
    const char* name;
    std::vector<FakeMonitor> monitors;
    int nearest;
    Calls entry;
  } cases[] = {
      {"primary", {{1, kPrimary}}, 0, {"border none", "bounds 0,0 1920x1080", "taskbar 42 fullscreen"}},
      {"left of the primary",
       {{1, kPrimary}, {2, {-1280, 0, 0, 1024}}},
       1,
       {"border none", "bounds -1280,0 1280x1024", "taskbar 42 fullscreen"}},
      {"above the primary",
       {{1, kPrimary}, {2, {200, -900, 1640, 0}}},
       1,
       {"border none", "bounds 200,-900 1440x900", "taskbar 42 fullscreen"}},
      {"second of three",
       {{1, kPrimary}, {2, {1920, 0, 3840, 1200}}, {3, {3840, 0, 5120, 1024}}},
       1,
       {"border none", "bounds 1920,0 1920x1200", "taskbar 42 fullscreen"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ToggledWindow window(c.monitors, c.nearest);
    window.ws = wsMinimized;

    window.Click();
    EXPECT_EQ(window.form.calls, c.entry);
    EXPECT_EQ(window.screen.lookups, (std::vector<std::string>{"window 42 nearest"}));
    EXPECT_EQ(window.rect, (TRect{100, 50, 740, 530}));
    EXPECT_EQ(window.ws, wsNormal);
    EXPECT_EQ(window.form.WindowState(), wsNormal);

    window.form.calls.clear();
    window.Click();
    EXPECT_EQ(window.form.calls, (Calls{"border sizeable", "taskbar 42 framed", "bounds 100,50 640x480"}));
    EXPECT_EQ(window.form.BoundsRect(), (TRect{100, 50, 740, 530}));
    EXPECT_EQ(window.screen.lookups.size(), 1u);
  }
}

TEST(FullscreenToggle, FromMaximizedStaysMaximizedAndNeverAppliesTheSavedRectangle) {
  ToggledWindow window({{1, kPrimary}});
  window.form.windowState = wsMaximized;

  window.Click();
  EXPECT_EQ(window.ws, wsMaximized);
  EXPECT_EQ(window.form.WindowState(), wsMaximized);
  // Windows would not take a window that is still maximized for a fullscreen one: the shell is told.
  EXPECT_EQ(window.form.calls, (Calls{"border none", "bounds 0,0 1920x1080", "taskbar 42 fullscreen"}));
  window.form.calls.clear();
  window.Click();
  // Setting the state it already has is the form's no-op; the toggle still asks for it and stops there.
  EXPECT_EQ(window.form.calls, (Calls{"border sizeable", "taskbar 42 framed", "state 2"}));
  EXPECT_EQ(window.form.BoundsRect(), kPrimary);
}

TEST(FullscreenToggle, LeavingAlwaysGivesASizeableFrame) {
  for (const TFormBorderStyle before : {bsSingle, bsDialog, bsToolWindow, bsSizeToolWin, bsSizeable}) {
    ToggledWindow window({{1, kPrimary}});
    window.form.borderStyle = before;
    window.Click();
    EXPECT_EQ(window.form.BorderStyle(), bsNone);
    window.Click();
    EXPECT_EQ(window.form.BorderStyle(), bsSizeable) << static_cast<int>(before);
  }
}

TEST(FullscreenToggle, RepeatedClicksAlternateAndEachEntrySavesAfresh) {
  ToggledWindow window({{1, kPrimary}});
  window.Click();
  window.Click();
  window.form.bounds = {10, 20, 410, 320}; // the user moved the framed window
  window.Click();
  EXPECT_EQ(window.form.BoundsRect(), kPrimary);
  EXPECT_EQ(window.rect, (TRect{10, 20, 410, 320}));
  window.Click();
  EXPECT_EQ(window.form.BoundsRect(), (TRect{10, 20, 410, 320}));
  EXPECT_EQ(window.form.BorderStyle(), bsSizeable);
}

TEST(FullscreenToggle, OverflowRaisesAfterTheFrameChangedAndKeepsWhatWasSaved) {
  constexpr std::int32_t kMin = INT32_MIN, kMax = INT32_MAX;
  const struct {
    const char* name;
    bool entering;
    TRect rectangle; // the monitor's on entry, the saved one on leaving
    Calls calls;
  } cases[] = {
      {"entry width", true, {kMin, 0, kMax, 100}, {"border none"}},
      {"entry height", true, {0, kMax, 100, kMin}, {"border none"}},
      {"leaving width", false, {kMax, 0, kMin, 100}, {"border sizeable", "taskbar 42 framed"}},
      {"leaving height", false, {0, kMin, 100, kMax}, {"border sizeable", "taskbar 42 framed"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ToggledWindow window({{1, c.entering ? c.rectangle : kPrimary}});
    if (!c.entering) {
      window.form.borderStyle = bsNone;
      window.rect = c.rectangle;
    }
    EXPECT_THROW(window.Click(), EIntOverflow);
    EXPECT_EQ(window.form.calls, c.calls);
    const TRect expectedRect = c.entering ? TRect{100, 50, 740, 530} : c.rectangle;
    EXPECT_EQ(window.rect, expectedRect);
    EXPECT_EQ(window.ws, wsNormal);
    // The next click takes the branch the frame now selects.
    EXPECT_EQ(window.form.BorderStyle(), c.entering ? bsNone : bsSizeable);
  }
}

TEST(FullscreenToggle, WithoutAMonitorToCoverTheFrameComesBackAndTheWindowStays) {
  const struct {
    const char* name;
    int nearest;
    TRect bounds;
  } cases[] = {{"no monitor", -1, {}}, {"empty rectangle", 0, {}}, {"inverted rectangle", 0, {100, 100, 0, 0}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ToggledWindow window({{1, c.bounds}}, c.nearest);
    window.Click();
    EXPECT_EQ(window.form.calls, (Calls{"border none", "border sizeable"}));
    EXPECT_EQ(window.form.BoundsRect(), (TRect{100, 50, 740, 530}));
    EXPECT_EQ(window.form.BorderStyle(), bsSizeable);
  }
}

} // namespace
