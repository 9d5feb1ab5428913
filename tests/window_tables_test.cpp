// Both windows as built, before any handler has run: every control's kind, place, size, parent,
// initial state, text and stacking, checked against the design tables written out again here.
#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <gtest/gtest.h>

#include "app/event_table.h"
#include "app/window_descriptions.h"
#include "platform/qt_controls.h"
#include "platform/qt_forms.h"

namespace vidmora {
namespace {

enum Kind { Button, Radio, Label, Picture, Timer, Video };

struct Row {
  const char* name;
  Kind kind;
  int left, top, width, height;
  const char* parent;  // "" = the window
  bool visible;
  const char* text;
};

// Stacking order: first row on top.
const Row kMain[] = {
    {"时钟4", Timer, 656, 168, 26, 26, "", false, ""},
    {"时钟3", Timer, 656, 144, 26, 26, "", false, ""},
    {"时钟2", Timer, 656, 120, 26, 26, "", false, ""},
    {"录像按钮1", Button, 544, 9, 44, 24, "", true, "录像"},
    {"标签4", Label, 656, 72, 80, 24, "", true, "标签"},
    {"标签3", Label, 656, 40, 32, 24, "", true, "标签"},
    {"镜头4单选框", Radio, 487, 11, 50, 24, "", false, "镜头4"},
    {"镜头3单选框", Radio, 432, 11, 50, 24, "", false, "镜头3"},
    {"镜头2单选框", Radio, 378, 11, 50, 24, "", false, "镜头2"},
    {"镜头1单选框", Radio, 328, 11, 50, 24, "", false, "镜头1"},
    {"来源按钮", Button, 8, 10, 44, 24, "", true, "来源"},
    {"来源设置按钮", Button, 592, 9, 56, 24, "", true, "来源设置"},
    {"图片框5", Picture, 320, 0, 322, 242, "图片框4", true, ""},
    {"视频设备3", Video, 4, 285, 320, 240, "", true, ""},
    {"视频设备4", Video, 329, 285, 320, 240, "", true, ""},
    {"视频设备2", Video, 329, 40, 320, 240, "", true, ""},
    {"时钟1", Timer, 656, 96, 26, 26, "", false, ""},
    {"摄像头数", Button, 273, 9, 52, 24, "", true, "2摄像头"},
    {"置顶按钮", Button, 220, 9, 44, 24, "", true, "置顶"},
    {"停止按钮", Button, 167, 9, 44, 24, "", true, "停止"},
    {"录像按钮", Button, 114, 9, 44, 24, "", true, "录像"},
    {"拍照按钮", Button, 61, 9, 44, 24, "", true, "拍照"},
    {"视频设备1", Video, 4, 40, 320, 240, "", true, ""},
    {"图片框1", Picture, 3, 39, 322, 242, "", true, ""},
    {"图片框2", Picture, 328, 39, 322, 242, "", true, ""},
    {"图片框6", Picture, 3, 284, 322, 242, "", true, ""},
    {"图片框4", Picture, 328, 284, 322, 242, "", true, ""},
    {"标签1", Label, 341, 104, 80, 24, "", false, "标签"},
    {"标签2", Label, 288, 248, 80, 72, "", true, "."},
};

const Row kHelp[] = {
    {"图片框1", Picture, 6, 197, 106, 100, "", true, ""},
    {"图片框2", Picture, 116, 197, 180, 100, "", true, ""},
    {"标签1", Label, 8, 8, 288, 184, "", true, nullptr},  // the help text, checked by the start-up test
};

bool IsKind(QWidget* w, Kind kind) {
  switch (kind) {
    case Button: return dynamic_cast<QPushButton*>(w) != nullptr;
    case Radio: return dynamic_cast<QtRadioButton*>(w) != nullptr;
    case Label: return dynamic_cast<QtLabel*>(w) != nullptr;
    case Picture: return dynamic_cast<QtPictureBox*>(w) != nullptr;
    case Timer: return dynamic_cast<QtTimer*>(w) != nullptr;
    case Video: return dynamic_cast<QtVideoArea*>(w) != nullptr;
  }
  return false;
}

// Position among the widget siblings, 0 at the bottom of the stack.
int StackIndex(QWidget* w) {
  int index = 0;
  for (QObject* sibling : w->parentWidget()->children()) {
    if (sibling == w) return index;
    if (sibling->isWidgetType()) ++index;
  }
  return -1;
}

class WindowTables : public ::testing::Test {
 protected:
  // No handlers attached: the windows stay exactly as built.
  QtForms forms{{&MainWindowDescription(), &HelpWindowDescription()}, EventTable(), NoDriverDeviceFactory()};

  void ExpectControls(Window window, std::span<const Row> rows) {
    ASSERT_TRUE(forms.LoadWindow(window));
    QWidget* top = forms.widget(window, "");
    int controls = 0;
    for (QWidget* w : top->findChildren<QWidget*>()) controls += !w->objectName().isEmpty();
    EXPECT_EQ(controls, static_cast<int>(rows.size())) << "controls that no row describes";
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const Row& r = rows[i];
      SCOPED_TRACE(r.name);
      QWidget* w = forms.widget(window, r.name);
      ASSERT_NE(w, nullptr);
      EXPECT_EQ(w->objectName(), QString::fromUtf8(r.name));
      EXPECT_TRUE(IsKind(w, r.kind));
      EXPECT_EQ(w->geometry(), QRect(r.left, r.top, r.width, r.height));
      EXPECT_EQ(w->parentWidget(), *r.parent ? forms.widget(window, r.parent) : top);
      EXPECT_EQ(forms.visible(window, r.name), r.visible);
      EXPECT_FALSE(forms.disabled(window, r.name));
      if (r.text) {
        EXPECT_EQ(forms.caption(window, r.name), r.text);
      }
      if (auto* button = dynamic_cast<QAbstractButton*>(w)) {
        EXPECT_EQ(button->text(), QString::fromUtf8(r.text));
      }
      if (auto* label = dynamic_cast<QLabel*>(w); label && r.text) {
        EXPECT_EQ(label->text(), QString::fromUtf8(r.text));
      }
      if (auto* radio = dynamic_cast<QRadioButton*>(w)) {
        EXPECT_FALSE(radio->isChecked());
      }
      if (auto* timer = dynamic_cast<QtTimer*>(w)) {
        EXPECT_FALSE(timer->running());
        EXPECT_EQ(forms.period(window, r.name), 0);
      }
      // Every later row among the same siblings lies below this one.
      for (std::size_t j = i + 1; j < rows.size(); ++j) {
        if (QWidget* below = forms.widget(window, rows[j].name); below->parentWidget() == w->parentWidget()) {
          EXPECT_GT(StackIndex(w), StackIndex(below)) << "should lie above " << rows[j].name;
        }
      }
    }
  }
};

TEST_F(WindowTables, MainWindowControlsAreBuiltAsLaidOut) { ExpectControls(Window::Main, kMain); }

TEST_F(WindowTables, HelpWindowControlsAreBuiltAsLaidOut) {
  ExpectControls(Window::Help, kHelp);
  auto* label = dynamic_cast<QLabel*>(forms.widget(Window::Help, "标签1"));
  EXPECT_TRUE(label->wordWrap());
  EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

TEST_F(WindowTables, PictureBoxBorders) {
  ASSERT_TRUE(forms.LoadWindow(Window::Main));
  ASSERT_TRUE(forms.LoadWindow(Window::Help));
  for (const char* name : {"图片框1", "图片框2", "图片框4", "图片框5", "图片框6"}) {
    auto* box = dynamic_cast<QFrame*>(forms.widget(Window::Main, name));
    EXPECT_EQ(box->frameStyle(), QFrame::Box | QFrame::Plain) << name;
    EXPECT_EQ(box->frameWidth(), 1) << name;
  }
  for (const char* name : {"图片框1", "图片框2"}) {
    auto* box = dynamic_cast<QFrame*>(forms.widget(Window::Help, name));
    EXPECT_EQ(box->frameStyle(), QFrame::Panel | QFrame::Raised) << name;
  }
  // 图片框4 clips its nested 图片框5 to its own last two columns (in the four-camera layout).
  forms.setWidth(Window::Main, 660);
  forms.setHeight(Window::Main, 562);
  QWidget* nested = forms.widget(Window::Main, "图片框5");
  EXPECT_EQ(nested->visibleRegion().boundingRect(), QRect(0, 0, 2, 242));
}

struct WindowSettings {
  Window window;
  int outerWidth, outerHeight;
  bool minimise;
  const char* caption;
};

TEST_F(WindowTables, WindowsAreFixedCentredAndCaptioned) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  for (const WindowSettings s : {WindowSettings{Window::Main, 333, 316, true, "Vidmora"},
                                 WindowSettings{Window::Help, 309, 339, false, ""}}) {
    ASSERT_TRUE(forms.LoadWindow(s.window));
    QWidget* w = forms.widget(s.window, "");
    SCOPED_TRACE(w->objectName().toStdString());
    EXPECT_EQ(forms.width(s.window), s.outerWidth);
    EXPECT_EQ(forms.height(s.window), s.outerHeight);
    // The outer rectangle, frame included, has the window's size and is centred on the screen.
    const QPoint centred((screen.width() - s.outerWidth) / 2, (screen.height() - s.outerHeight) / 2);
    EXPECT_EQ(w->frameGeometry(), QRect(centred, QSize(s.outerWidth, s.outerHeight)));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());  // the user cannot resize it
    EXPECT_EQ(forms.caption(s.window, ""), s.caption);
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8(s.caption));
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(bool(flags & Qt::WindowMinimizeButtonHint), s.minimise);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w->windowType(), Qt::Window);  // a normal window, with its task-bar button
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_TRUE(w->isVisible());
  }
}

}  // namespace
}  // namespace vidmora
