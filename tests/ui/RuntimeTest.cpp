#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "model/CoefTable.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/qt/BoxEdit.h"
#include "platform/qt/QtAccess.h"
#include "tests/ui/OpenWindow.h"
#include "tests/ui/ScrollBarInput.h"

namespace dct::platform {
namespace {

using ui::testing_support::DragThumb;
using ui::testing_support::TrackRightOfThumb;

// A small form of its own: the runtime's rules, apart from the program's handlers.
class RuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<Form>(runtime(), FormSettings{"runtime", 6000, 3000, {}, 0, 0});
    TextBoxSettings box;
    box.identity = {"A", -1, {0, 0, 1500, 372}, 0, {}};
    a_ = &form_->AddTextBox(box);
    box.identity = {"B", 2, {0, 600, 1500, 372}, 1, {}};
    b_ = &form_->AddTextBox(box);
    ScrollBarSettings scroll;
    scroll.identity = {"S", -1, {0, 1200, 4212, 252}, 2, {}};
    scroll.range = {-100, 100, 1, 10};
    scroll.valueText = [](int value) {
      return value == 0 ? std::string("desligada") : std::to_string(value) + " de 100";
    };
    bar_ = &form_->AddScrollBar(scroll);
    CommandButtonSettings button;
    button.identity = {"C", -1, {0, 1800, 1500, 372}, 3, {}};
    button_ = &form_->AddCommandButton(button);
    picture_ = &form_->AddPictureBox(
        {.identity = {"P", -1, {2000, 0, 1200, 1200}, 4, {}}, .interactive = true});
    picture_->SetPicture({8, 8, std::vector<std::uint8_t>(64, 128)});
    LabelSettings label;
    label.identity = {"L", -1, {2000, 1800, 1500, 252}, 5, {}};
    label.caption = "Valor do teste";
    label_ = &form_->AddLabel(label);
    form_->ApplyTabOrder();
    form_->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dct::platform::qt::WindowOf(*form_)));
    events_.trace.ClearNesting();
  }

  Runtime& runtime() { return events_.runtime; }

  QLineEdit* edit(TextBox* box) {
    return static_cast<QLineEdit*>(dct::platform::qt::WidgetOf(*box));
  }
  QScrollBar* bar() { return static_cast<QScrollBar*>(dct::platform::qt::WidgetOf(*bar_)); }
  QWidget* widget(const Control& control) { return dct::platform::qt::WidgetOf(control); }

  ui::testing_support::TestRuntime events_;
  std::unique_ptr<Form> form_;
  TextBox* a_ = nullptr;
  TextBox* b_ = nullptr;
  ScrollBar* bar_ = nullptr;
  CommandButton* button_ = nullptr;
  PictureBox* picture_ = nullptr;
  Label* label_ = nullptr;
  std::vector<std::string> log_;
};

TEST_F(RuntimeTest, AnEqualTextRaisesNothingAndLeavesSelectionAndCursorAlone) {
  a_->OnChange([this] { log_.push_back("A"); });
  a_->SetText("12");
  edit(a_)->setSelection(0, 1);
  a_->SetText("12");
  EXPECT_EQ(log_, std::vector<std::string>{"A"});
  EXPECT_EQ(edit(a_)->selectedText(), QStringLiteral("1"));
}

TEST_F(RuntimeTest, ADifferentTextRaisesChangeBeforeTheAssignmentReturnsEvenNested) {
  a_->OnChange([this] {
    log_.push_back("A begins, reads " + a_->Text());
    b_->SetText("b");
    log_.push_back("A ends");
  });
  b_->OnChange(
      [this] { log_.push_back("B at depth " + std::to_string(runtime().HandlerDepth())); });
  a_->SetText("a");
  log_.push_back("returned");
  EXPECT_EQ(log_,
            (std::vector<std::string>{"A begins, reads a", "B at depth 2", "A ends", "returned"}));
  EXPECT_EQ(events_.trace.DeepestNesting(), 2);
}

TEST_F(RuntimeTest, AHandlerReadsTheTextAfreshAfterReassigningIt) {
  std::vector<std::string> seen;
  a_->OnChange([&] {
    seen.push_back(a_->Text());
    a_->SetText("7");
  });
  QTest::keyClicks(edit(a_), QStringLiteral("x"));
  EXPECT_EQ(seen, (std::vector<std::string>{"x", "7"}));
  EXPECT_EQ(a_->Text(), "7");
}

// A handler that assigns a box many times (a block entered value by value)
// has the toolkit draw it once, with the last of them, when the outermost
// handler returns; its cursor is that of the text assigned last, and outside
// a handler an assignment is shown at once.
TEST_F(RuntimeTest, WhatTheHandlersAssignIsShownOnceTheOutermostReturns) {
  const QSignalSpy texts(edit(a_), &QLineEdit::textChanged);
  std::vector<QString> shownInside;
  int cursorInside = -1;
  button_->OnClick([&] {
    for (int i = 1; i <= 50; ++i) {
      a_->SetText(std::to_string(i));
      a_->SetBackColor(static_cast<Rgb>(i));
      label_->SetCaption("passo " + std::to_string(i));
    }
    shownInside.push_back(edit(a_)->text());
    b_->SetText("12345");
    cursorInside = b_->SelStart();
  });
  QTest::mouseClick(widget(*button_), Qt::LeftButton);
  EXPECT_EQ(shownInside, std::vector<QString>{QString()});
  EXPECT_EQ(cursorInside, 5);
  EXPECT_EQ(texts.count(), 1);
  EXPECT_EQ(edit(a_)->text(), QStringLiteral("50"));
  EXPECT_EQ(static_cast<qt::BoxEdit*>(edit(a_))->background(), QColor(50, 0, 0));
  EXPECT_EQ(static_cast<QLabel*>(widget(*label_))->text(), QStringLiteral("passo 50"));
  a_->SetText("outside");
  EXPECT_EQ(edit(a_)->text(), QStringLiteral("outside"));
}

TEST_F(RuntimeTest, ScrollBarRaisesChangeOnlyForADifferentValue) {
  int changes = 0;
  bar_->OnChange([&] {
    ++changes;
    bar_->SetValue(bar_->Value());  // the value already held: ends the chain
  });
  bar_->SetValue(5);
  EXPECT_EQ(changes, 1);
  bar_->SetValue(5);
  EXPECT_EQ(changes, 1);
  bar_->SetValue(-100);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(bar_->Value(), -100);
}

TEST_F(RuntimeTest, ThumbDragRaisesScrollForEachPositionAndOneChangeAtRelease) {
  std::vector<std::string> events;
  bar_->OnScroll([&] {
    events.push_back("Scroll " + std::to_string(bar_->Value()));
    bar_->SetValue(bar_->Value());  // inside Scroll: raises nothing, the drag goes on
  });
  bar_->OnChange([&] { events.push_back("Change " + std::to_string(bar_->Value())); });
  ASSERT_TRUE(DragThumb(bar(), {3, 4, 9, 20}));
  EXPECT_EQ(events, (std::vector<std::string>{"Scroll 3", "Scroll 4", "Scroll 9", "Scroll 20",
                                              "Change 20"}));
}

TEST_F(RuntimeTest, PressingAndReleasingTheThumbWithoutMovingItRaisesNothing) {
  int events = 0;
  bar_->OnScroll([&] { ++events; });
  bar_->OnChange([&] { ++events; });
  ASSERT_TRUE(DragThumb(bar(), {}));
  EXPECT_EQ(events, 0);
}

TEST_F(RuntimeTest, AMiddleClickInTheTrackRaisesOneChange) {
  int changes = 0;
  int scrolls = 0;
  bar_->OnChange([&] { ++changes; });
  bar_->OnScroll([&] { ++scrolls; });
  QTest::mouseClick(bar(), Qt::MiddleButton, Qt::NoModifier, TrackRightOfThumb(bar()));
  EXPECT_NE(bar_->Value(), 0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(scrolls, 0);
}

TEST_F(RuntimeTest, ClickIsALeftButtonReleaseInsideTheBox) {
  int clicks = 0;
  a_->OnClick([&] { ++clicks; });
  QTest::mouseClick(edit(a_), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(edit(a_)->hasFocus()) << "the click must still focus the box";
  QTest::mouseClick(edit(a_), Qt::RightButton);
  QTest::mousePress(edit(a_), Qt::LeftButton);
  QTest::mouseRelease(edit(a_), Qt::LeftButton, Qt::NoModifier, QPoint(-20, -20));
  EXPECT_EQ(clicks, 1) << "a right click or a release off the box is no click";
}

TEST_F(RuntimeTest, EndClosesTheWindowAndRaisesNothingMore) {
  int changes = 0;
  a_->OnChange([&] { ++changes; });
  runtime().End();
  EXPECT_TRUE(runtime().HasEnded());
  EXPECT_FALSE(dct::platform::qt::WindowOf(*form_)->isVisible());
  a_->SetText("after the end");
  EXPECT_EQ(changes, 0);
}

// Each control's handlers log their events; each row is an input of the
// user's that raises one when the control is enabled.
TEST_F(RuntimeTest, ADisabledControlRaisesNothingForTheUsersInputAndTakesNoFocus) {
  a_->OnChange([this] { log_.push_back("A_Change"); });
  a_->OnClick([this] { log_.push_back("A_Click"); });
  bar_->OnChange([this] { log_.push_back("S_Change"); });
  button_->OnClick([this] { log_.push_back("C_Click"); });
  picture_->OnMouseDown([this](int, int) { log_.push_back("P_MouseDown"); });
  picture_->OnKeyDown([this](auto) { log_.push_back("P_KeyDown"); });
  const struct {
    Control* control;
    std::function<void()> input;
    std::vector<std::string> raised;
  } inputs[] = {
      {a_, [&] { QTest::mouseClick(edit(a_), Qt::LeftButton); }, {"A_Click"}},
      {a_, [&] { QTest::keyClicks(edit(a_), QStringLiteral("9")); }, {"A_Change"}},
      {bar_,
       [&] { QTest::mouseClick(bar(), Qt::LeftButton, {}, TrackRightOfThumb(bar())); },
       {"S_Change"}},
      {button_, [&] { QTest::mouseClick(widget(*button_), Qt::LeftButton); }, {"C_Click"}},
      {picture_, [&] { QTest::mouseClick(widget(*picture_), Qt::LeftButton); }, {"P_MouseDown"}},
      {picture_, [&] { QTest::keyClick(widget(*picture_), Qt::Key_Left); }, {"P_KeyDown"}},
  };
  for (const bool enabled : {false, true}) {
    for (const auto& row : inputs) {
      row.control->SetEnabled(enabled);
      EXPECT_EQ(row.control->Enabled(), enabled);
      EXPECT_EQ(widget(*row.control)->isEnabled(), enabled);
      widget(*row.control)->setFocus();
      EXPECT_EQ(widget(*row.control)->hasFocus(), enabled) << log_.size();
      log_.clear();
      row.input();
      EXPECT_EQ(log_, enabled ? row.raised : std::vector<std::string>{})
          << widget(*row.control)->objectName().toStdString();
    }
  }
  // The program's assignments raise as ever; a bar that the toolkit moved
  // while disabled is shown back at its value.
  log_.clear();
  bar_->SetEnabled(false);
  bar_->SetValue(-5);
  bar()->setValue(7);
  EXPECT_EQ(bar()->value(), -5);
  EXPECT_EQ(log_, std::vector<std::string>{"S_Change"});
}

TEST_F(RuntimeTest, AFocusedPictureReportsTheArrowPageHomeAndEndKeysOnly) {
  std::vector<PictureKey> reported;
  picture_->OnKeyDown([&](PictureKey key) { reported.push_back(key); });
  widget(*picture_)->setFocus();
  for (const Qt::Key key :
       {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space, Qt::Key_PageUp,
        Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End, Qt::Key_Return}) {
    QTest::keyClick(widget(*picture_), key);
  }
  using enum PictureKey;
  EXPECT_EQ(reported, (std::vector{Left, Right, Up, Down, PageUp, PageDown, Home, End}));
}

TEST_F(RuntimeTest, ReturnOrEnterInATextBoxRaisesKeyPressWith13AndNoOtherKeyDoes) {
  a_->OnKeyPress([this](int keyAscii) {
    log_.push_back(std::to_string(keyAscii) + " at depth " +
                   std::to_string(runtime().HandlerDepth()));
  });
  edit(a_)->setFocus();
  for (const Qt::Key key :
       {Qt::Key_A, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Enter, Qt::Key_Tab}) {
    QTest::keyClick(edit(a_), key);
  }
  EXPECT_EQ(log_, (std::vector<std::string>{"13 at depth 1", "13 at depth 1"}));
}

// The answer is an event of its own: what follows every event follows it.
TEST_F(RuntimeTest, CopyTextAnswersThatTheClipboardNowHoldsTheText) {
  runtime().AfterEachEvent(this, [this] { log_.push_back("after"); });
  runtime().CopyText("#desafio=cópia", [this](bool copied) {
    log_.push_back(std::string(copied ? "copied" : "refused") + " at depth " +
                   std::to_string(runtime().HandlerDepth()));
  });
  runtime().ForgetAfterEachEvent(this);
  EXPECT_EQ(log_, (std::vector<std::string>{"copied at depth 1", "after"}));
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "#desafio=cópia");
}

// The work runs on a thread of its own while the user's events go on (it
// waits for one, at most ten seconds); then `done` is an event of its own,
// which what follows every event follows, as is a timer's; an owner
// forgotten meanwhile gets neither. The program has settled only once
// nothing is pending, and says so each time.
TEST_F(RuntimeTest, BackgroundWorkAndTimersEndInEventsOfTheirOwnAndThenTheProgramSettles) {
  std::promise<void> typed;
  const std::shared_future<void> typing = typed.get_future().share();
  std::atomic<bool> awayFromEvents = false;
  const int forgotten = 0;
  std::vector<std::string> timers;
  int settled = 0;
  runtime().OnSettled([&settled] { ++settled; });
  a_->OnChange([this, &typed] {
    log_.push_back("typed");
    typed.set_value();
  });
  runtime().AfterEachEvent(this, [this] { log_.push_back("after"); });
  for (const void* owner : {static_cast<const void*>(&forgotten), static_cast<const void*>(this)}) {
    const std::string whose = owner == this ? "" : "forgotten ";
    runtime().RunInBackground(
        owner, {"W", "Done"},
        [&awayFromEvents, typing] {
          awayFromEvents = QThread::currentThread() != QCoreApplication::instance()->thread();
          typing.wait_for(std::chrono::seconds(10));
        },
        [this, whose] {
          log_.push_back(whose + "done at depth " + std::to_string(runtime().HandlerDepth()));
        });
    runtime().RunLater(owner, {"T", "Timer"}, 1, [this, &timers, whose] {
      timers.push_back(whose + "timer at depth " + std::to_string(runtime().HandlerDepth()));
    });
  }
  runtime().Forget(&forgotten);
  EXPECT_FALSE(runtime().Settled());
  QTest::keyClicks(edit(a_), "7");
  QTRY_VERIFY_WITH_TIMEOUT(runtime().Settled(), 10'000);
  runtime().ForgetAfterEachEvent(this);
  EXPECT_TRUE(awayFromEvents);
  EXPECT_EQ(timers, std::vector<std::string>{"timer at depth 1"});
  // The timer's event came before or after the typing, and was followed too.
  std::erase(log_, "after");
  EXPECT_EQ(log_, (std::vector<std::string>{"typed", "done at depth 1"}));
  EXPECT_EQ(settled, 1) << "settled before everything pending had come";
}

TEST_F(RuntimeTest, ATiedLabelNamesItsControlAndIsAmongItsAccessibleRelations) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(bar());
  QAccessibleInterface* label = QAccessible::queryAccessibleInterface(widget(*label_));
  ASSERT_TRUE(face != nullptr && label != nullptr);
  EXPECT_TRUE(face->relations(QAccessible::Label).isEmpty());
  form_->TieLabel(*label_, *bar_);
  const auto relations = face->relations(QAccessible::Label);
  ASSERT_EQ(relations.size(), 1);
  EXPECT_EQ(relations[0].first->object(), label->object());
  EXPECT_EQ(face->text(QAccessible::Name).toStdString(), "Valor do teste");
}

// What the page's bar gives as aria-valuetext.
TEST_F(RuntimeTest, TheBarsAccessibleValueIsSaidInItsOwnWords) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(bar());
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->role(), QAccessible::ScrollBar);
  EXPECT_EQ(face->text(QAccessible::Value).toStdString(), "desligada");
  bar_->SetValue(-7);
  EXPECT_EQ(face->text(QAccessible::Value).toStdString(), "-7 de 100");
  ASSERT_NE(face->valueInterface(), nullptr);
  EXPECT_EQ(face->valueInterface()->currentValue(), QVariant(-7));
  EXPECT_EQ(face->valueInterface()->minimumValue(), QVariant(-100));
}

// What a dropped file's `read` gives, in words, within ten seconds: it must
// never wait on the file.
std::string readWithinTenSeconds(const ChosenFile& file) {
  auto outcome = std::make_shared<std::promise<std::string>>();
  std::thread([read = file.read, outcome] {
    const FileBytes bytes = read();
    const auto* refusal = std::get_if<FileRefusal>(&bytes);
    outcome->set_value(refusal ? "refused " + std::to_string(static_cast<int>(refusal->kind)) +
                                     " " + std::to_string(refusal->bytes)
                               : std::string(std::get<std::vector<std::uint8_t>>(bytes).begin(),
                                             std::get<std::vector<std::uint8_t>>(bytes).end()));
  }).detach();
  auto future = outcome->get_future();
  if (future.wait_for(std::chrono::seconds(10)) != std::future_status::ready) return "waited";
  return future.get();
}

// Dropped as a file manager drops a file: a plain file is read whole; a FIFO
// (which nothing writes into), a folder and a file over the limit (sparse)
// are refused from what stat says, unopened; a file gone is unreadable; a
// file dropped on the box disabled is not taken.
TEST_F(RuntimeTest, AFileDroppedOnThePictureComesWithItsOwnNameAndItsBytesOrARefusal) {
  const QTemporaryDir folder;
  const auto path = [&folder](const char* name) {
    return folder.filePath(QString::fromUtf8(name));
  };
  QFile plain(path("praça.png"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly) && plain.write("bytes\0of it", 11) == 11);
  plain.close();
  ASSERT_EQ(::mkfifo(QFile::encodeName(path("canal.png")).constData(), 0600), 0);
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("pasta.png")));
  QFile huge(path("enorme.png"));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(kPictureFileBytesMax + 1));
  huge.close();
  const auto kind = [](FileRefusalKind refused) {
    return "refused " + std::to_string(static_cast<int>(refused)) + " ";
  };
  const struct {
    const char* name;
    std::string read;
  } cases[] = {
      {"praça.png", std::string("bytes\0of it", 11)},
      {"canal.png", kind(FileRefusalKind::NotAFile) + "0"},
      {"pasta.png", kind(FileRefusalKind::NotAFile) + "0"},
      {"enorme.png", kind(FileRefusalKind::TooLarge) + std::to_string(kPictureFileBytesMax + 1)},
      {"sumiu.png", kind(FileRefusalKind::Unreadable) + "0"},
  };
  std::vector<ChosenFile> chosen;
  picture_->OnFileChosen([&chosen](const ChosenFile& file) { chosen.push_back(file); });
  const auto drop = [this](const QString& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget(*picture_), &enter);
    QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget(*picture_), &dropped);
  };
  for (const auto& each : cases) {
    drop(path(each.name));
    ASSERT_EQ(chosen.size(), std::size_t{1}) << each.name;
    EXPECT_EQ(chosen[0].name, each.name);
    EXPECT_EQ(readWithinTenSeconds(chosen[0]), each.read) << each.name;
    chosen.clear();
  }
  picture_->SetEnabled(false);
  drop(path("praça.png"));
  EXPECT_TRUE(chosen.empty());
}

struct KeyCase {
  const char* name;
  Qt::Key key;
  int expected;
  friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

class ScrollBarKeyTest : public RuntimeTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ScrollBarKeyTest, KeyMovesTheFocusedBarOnceInItsDirection) {
  bar_->SetValue(50);
  int changes = 0;
  bar_->OnChange([&] { ++changes; });
  bar()->setFocus();
  QTest::keyClick(bar(), GetParam().key);
  EXPECT_EQ(bar_->Value(), GetParam().expected);
  EXPECT_EQ(changes, 1);
}

INSTANTIATE_TEST_SUITE_P(, ScrollBarKeyTest,
                         ::testing::Values(KeyCase{"left_decreases", Qt::Key_Left, 49},
                                           KeyCase{"up_decreases", Qt::Key_Up, 49},
                                           KeyCase{"right_increases", Qt::Key_Right, 51},
                                           KeyCase{"down_increases", Qt::Key_Down, 51},
                                           KeyCase{"page_up_by_large_change", Qt::Key_PageUp, 40},
                                           KeyCase{"page_down_by_large_change", Qt::Key_PageDown,
                                                   60},
                                           KeyCase{"home_to_minimum", Qt::Key_Home, -100},
                                           KeyCase{"end_to_maximum", Qt::Key_End, 100}),
                         [](const auto& info) { return std::string(info.param.name); });

using RuntimeDeathTest = RuntimeTest;

TEST_F(RuntimeDeathTest, AnExceptionLeavingAHandlerIsReportedAndEndsTheProgram) {
  a_->OnChange([] { throw std::runtime_error("boom"); });
  EXPECT_EXIT(a_->SetText("x"), ::testing::ExitedWithCode(1), "fatal error in A_Change: boom");
}

TEST_F(RuntimeDeathTest, ARefusedCoefficientIndexIsReportedWithTheIndex) {
  b_->OnClick([] { (void)CoefTable{}.at(65); });
  EXPECT_EXIT(QTest::mouseClick(edit(b_), Qt::LeftButton), ::testing::ExitedWithCode(1),
              "B_Click\\(2\\): Coef index 65 ");
}

TEST_F(RuntimeDeathTest, AValueOutsideTheBarsRangeIsAFailureNotAClamp) {
  a_->OnChange([this] { bar_->SetValue(101); });
  EXPECT_EXIT(a_->SetText("x"), ::testing::ExitedWithCode(1), "S.Value = 101 is outside -100..100");
}

}  // namespace
}  // namespace dct::platform
