#include "tests/random/RandomSession.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include <stdexcept>
#include <tuple>

#include "model/CoefTable.h"
#include "platform/Runtime.h"
#include "platform/qt/QtAccess.h"
#include "tests/ui/OpenWindow.h"
#include "tests/ui/ScrollBarInput.h"
#include "tests/ui/WindowRules.h"

namespace dct::ui::random_test {
namespace {

using testing_support::DragThumb;
using testing_support::LeftArrow;
using testing_support::RightArrow;
using testing_support::ThumbRect;
using testing_support::TrackLeftOfThumb;
using testing_support::TrackRightOfThumb;

// Where a box is clicked: this far inside its right edge, after its text, so
// that the cursor lands at the end of the text whatever the font, as it does
// in the page when the differential test clicks it there.
constexpr int kInsideRightEdge = 2;

// QLineEdit keeps this much room beside the text, inside its text margins.
constexpr int kLineEditMargin = 2;

bool textOverflows(const QLineEdit* box) {
  const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
  const QMargins margins = box->textMargins();
  const int room =
      box->width() - 2 * frame - margins.left() - margins.right() - 2 * kLineEditMargin;
  return box->fontMetrics().horizontalAdvance(box->text()) >= room;
}

void clickAfterText(QWidget* widget) {
  auto* box = static_cast<QLineEdit*>(widget);
  QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier,
                    QPoint(box->width() - kInsideRightEdge, box->height() / 2));
  // A text wider than its box cannot be clicked after, and which part of it
  // a box without the focus shows differs (a browser shows its start): to
  // reach its end, a user presses End.
  if (textOverflows(box)) QTest::keyClick(box, Qt::Key_End);
}

// QTest types only ASCII by key; other letters arrive as a key event that
// carries their text, as from a keyboard layout that has them.
void typeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(widget, static_cast<char>(c.unicode()));
    } else {
      QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
      QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

}  // namespace

RandomSession::RandomSession() : opened_(testing_support::OpenWindowAndLesson()) {
  if (!opened_) throw std::runtime_error("the window did not become active");
  form_ = &opened_->program.MainWindow();
}

RandomSession::~RandomSession() = default;

QWidget* RandomSession::focused() const {
  QWidget* widget = QApplication::focusWidget();
  return widget != nullptr ? widget : dct::platform::qt::WindowOf(form_->PlatformForm());
}

void RandomSession::noteReset() {
  computationsAtReset_ = opened_->events.trace.BlockComputations();
}

void RandomSession::Play(const Action& action) {
  lastOnLesson_ = action.OnLesson();
  const Controls& c = form_->Widgets();
  auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  using K = Action::Kind;
  switch (action.kind) {
    case K::ClickCoefficientBox:
      clickAfterText(
          dct::platform::qt::WidgetOf(*c.Text2[static_cast<std::size_t>(action.number)]));
      break;
    case K::ClickPixelBox:
      clickAfterText(
          dct::platform::qt::WidgetOf(*c.Text1[static_cast<std::size_t>(action.number)]));
      break;
    case K::Type:
      if (edit != nullptr) typeText(edit, QString::fromStdString(action.text));
      break;
    case K::PasteDigits:
      if (edit != nullptr) {
        QGuiApplication::clipboard()->setText(QString(action.number, QLatin1Char('9')));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
      }
      break;
    case K::ClearText:
      if (edit != nullptr) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
      }
      break;
    case K::EditKey:
      if (edit != nullptr) QTest::keyClick(edit, static_cast<Qt::Key>(action.number));
      break;
    case K::Tab:
      QTest::keyClick(focused(), Qt::Key_Tab);
      break;
    case K::BackTab:
      QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
      break;
    case K::ArrowClick:
    case K::TrackClick:
    case K::ThumbDrag:
    case K::BarKey:
      playOnBar(action);
      break;
    case K::Zero:
      QTest::mouseClick(dct::platform::qt::WidgetOf(*c.Command2), Qt::LeftButton);
      break;
    case K::Reset:
      QTest::mouseClick(dct::platform::qt::WidgetOf(*c.Command1), Qt::LeftButton);
      noteReset();
      break;
    case K::PictureClick:
    case K::PictureKey:
    case K::LessonBarKey:
    case K::LessonButton:
      playOnLesson(action);
      break;
  }
}

void RandomSession::playOnBar(const Action& action) {
  const Controls& c = form_->Widgets();
  auto* bar = static_cast<QScrollBar*>(
      dct::platform::qt::WidgetOf(*(action.bar == 1 ? c.HScroll1 : c.HScroll2)));
  const bool left = action.number < 0;
  switch (action.kind) {
    case Action::Kind::ArrowClick:
      QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                        left ? LeftArrow(bar) : RightArrow(bar));
      break;
    case Action::Kind::TrackClick:
      // At an end of the range there is no track on that side of the thumb.
      if (left ? bar->value() > bar->minimum() : bar->value() < bar->maximum()) {
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          left ? TrackLeftOfThumb(bar) : TrackRightOfThumb(bar));
      }
      break;
    case Action::Kind::ThumbDrag:
      (void)DragThumb(bar, action.values);
      break;
    default:
      // A user gives a bar the focus without moving it by pressing its thumb.
      if (!bar->hasFocus()) {
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, ThumbRect(bar).center());
      }
      QTest::keyClick(bar, static_cast<Qt::Key>(action.number));
      break;
  }
}

// Straight to the lesson's widgets, as a user's click or key reaches them in
// its own window: the main window stays active and keeps its focus. The
// lesson enters a block, or starts a challenge, with a Reset: after it a
// block has been computed when a coefficient was typed, none otherwise.
// While a challenge runs, the picture and its bars take nothing.
void RandomSession::playOnLesson(const Action& action) {
  const Lesson& lesson = *opened_->program.LessonForm();
  const LessonControls& l = lesson.Widgets();
  const bool pictureFree = l.picPicture->Enabled();
  const auto before = std::tuple(lesson.Framed(), l.hsbQuality->Value(), l.hsbKept->Value());
  using K = Action::Kind;
  using platform::qt::WidgetOf;
  const auto key = static_cast<Qt::Key>(action.number);
  switch (action.kind) {
    case K::PictureClick:
      QTest::mouseClick(WidgetOf(*l.picPicture), Qt::LeftButton, Qt::NoModifier,
                        {action.values.at(0), action.values.at(1)});
      break;
    case K::PictureKey:
      QTest::keyClick(WidgetOf(*l.picPicture), key);
      break;
    case K::LessonBarKey:
      QTest::keyClick(WidgetOf(*(action.bar == 3   ? l.hsbQuality
                                 : action.bar == 4 ? l.hsbKept
                                                   : l.hsbLevel)),
                      key);
      break;
    default:
      QTest::mouseClick(WidgetOf(*(action.number == 1   ? l.cmdNewChallenge
                                   : action.number == 2 ? l.cmdHint
                                   : action.number == 3 ? l.cmdCreateChallenge
                                   : action.number == 4 ? l.cmdEndChallenge
                                                        : l.cmdView)),
                        Qt::LeftButton);
      break;
  }
  const auto after = std::tuple(lesson.Framed(), l.hsbQuality->Value(), l.hsbKept->Value());
  const bool reset = (action.kind == K::PictureClick && pictureFree) ||
                     (action.kind == K::LessonButton && action.number == 1) ||
                     (before != after && lesson.Framed());
  if (!reset) return;
  noteReset();
  if (form_->Model().Coef != CoefTable{}) --computationsAtReset_;
}

std::optional<std::string> RandomSession::Check() const {
  auto broken = testing_support::BrokenRule(
      *form_, opened_->events, opened_->events.trace.BlockComputations() > computationsAtReset_,
      lastOnLesson_ ? testing_support::kLessonNesting : testing_support::kWindowNesting);
  // Each action answers for the nesting it caused itself.
  opened_->events.trace.ClearNesting();
  return broken;
}

std::optional<Failure> Replay(const std::vector<Action>& actions) {
  RandomSession session;
  if (auto broken = session.Check()) return Failure{0, "at start: " + *broken};
  for (std::size_t i = 0; i < actions.size(); ++i) {
    session.Play(actions[i]);
    if (auto broken = session.Check()) return Failure{i, *broken};
  }
  return std::nullopt;
}

std::vector<Action> Shorten(std::vector<Action> actions) {
  for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
    for (std::size_t start = 0; start < actions.size();) {
      std::vector<Action> candidate(actions.begin(),
                                    actions.begin() + static_cast<std::ptrdiff_t>(start));
      const std::size_t end = std::min(actions.size(), start + chunk);
      candidate.insert(candidate.end(), actions.begin() + static_cast<std::ptrdiff_t>(end),
                       actions.end());
      if (const auto failure = Replay(candidate)) {
        candidate.resize(failure->index + 1);
        actions = std::move(candidate);
      } else {
        start += chunk;
      }
    }
  }
  return actions;
}

}  // namespace dct::ui::random_test
