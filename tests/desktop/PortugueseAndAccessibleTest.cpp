// The window speaks Portuguese whatever the desktop's language (ctest runs
// these with LANG=C and LANGUAGE=en), also in the toolkit's own texts, and
// names every control to a screen reader.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/Runtime.h"
#include "platform/qt/QtAccess.h"
#include "platform/qt/QtBackend.h"
#include "ui/window/Form1.h"

namespace {

using dct::platform::Runtime;
using dct::ui::Form1;

constexpr int kControlCount = 139;

class PortugueseWindow : public testing::Test {
 protected:
  void SetUp() override {
    runtime_.Raise({"Form", "Load"}, [this] { form_.Form_Load(); });
  }

  QWidget* control(const char* objectName) {
    QWidget* widget =
        dct::platform::qt::WindowOf(form_.PlatformForm())
            ->findChild<QWidget*>(QLatin1String(objectName), Qt::FindDirectChildrenOnly);
    if (widget == nullptr) ADD_FAILURE() << "no control " << objectName;
    return widget;
  }

  static QString accessible(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face == nullptr ? QStringLiteral("<no accessible interface>") : face->text(which);
  }

  dct::platform::qt::QtBackend backend_;
  Runtime runtime_{backend_};
  Form1 form_{runtime_};
};

TEST_F(PortugueseWindow, DesktopLanguageIsNotPortugueseHere) {
  // Otherwise the other tests would prove nothing about a foreign desktop.
  EXPECT_NE(QLocale::system().language(), QLocale::Portuguese);
}

TEST_F(PortugueseWindow, BoxContextMenuUsesTheToolkitsPortugueseTexts) {
  auto* box = qobject_cast<QLineEdit*>(dct::platform::qt::WidgetOf(*form_.Widgets().Text2[0]));
  ASSERT_NE(box, nullptr);
  const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) texts << action->text().section(QLatin1Char('\t'), 0, 0);
  }
  // Qt's qtbase_pt_BR, with the access keys it chose.
  const QStringList expected{QStringLiteral("&Desfazer"),      QStringLiteral("&Refazer"),
                             QStringLiteral("Recor&tar"),      QStringLiteral("&Copiar"),
                             QStringLiteral("C&olar"),         QStringLiteral("Excluir"),
                             QStringLiteral("Selecionar tudo")};
  EXPECT_EQ(texts, expected) << texts.join(QLatin1String(" | ")).toStdString();
}

TEST_F(PortugueseWindow, EveryControlHasAnAccessibleName) {
  const auto controls = dct::platform::qt::WindowOf(form_.PlatformForm())
                            ->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  ASSERT_EQ(controls.size(), kControlCount);
  QSet<QString> boxNames;
  for (QWidget* widget : controls) {
    const QString name = accessible(widget, QAccessible::Name);
    EXPECT_FALSE(name.trimmed().isEmpty()) << widget->objectName().toStdString();
    if (widget->objectName().startsWith(QLatin1String("Text")) &&
        widget->objectName().contains(QLatin1Char('('))) {
      boxNames.insert(name);
    }
  }
  // A screen reader must tell the 128 boxes apart.
  EXPECT_EQ(boxNames.size(), 128);
}

TEST_F(PortugueseWindow, ControlsAreNamedByWhatTheyAre) {
  struct Case {
    const char* control;
    const char* name;
  };
  constexpr Case kCases[] = {
      {"Text2(0)", "Coeficiente F(0,0)"},
      {"Text2(11)", "Coeficiente F(3,1)"},
      {"Text2(56)", "Coeficiente F(0,7)"},
      {"Text2(63)", "Coeficiente F(7,7)"},
      {"Text1(11)", "Pixel da coluna 3, linha 1"},
      {"Text1(56)", "Pixel da coluna 0, linha 7"},
      {"HScroll1", "Coeficiente"},
      {"HScroll2", "Valor"},
      {"Text3", "Indicador de corte"},
      {"Command1", "Reset"},
      {"Command2", "Zero"},
      {"Command3", "Sair"},
      {"Label2", "F(0,0)"},
      {"Label1", "Coeficiente"},
  };
  for (const Case& c : kCases) {
    QWidget* widget = control(c.control);
    if (widget == nullptr) continue;
    EXPECT_EQ(accessible(widget, QAccessible::Name).toStdString(), c.name) << c.control;
  }
}

TEST_F(PortugueseWindow, IndicatorSaysInWordsWhetherAPixelWasClipped) {
  const std::string notClipped = "Nenhum pixel foi cortado";
  const std::string clipped = "Algum pixel foi cortado para o limite de 127 ou -127";
  struct Step {
    const char* what;
    std::function<void(Form1&)> action;
    const std::string& description;
  };
  const Step kSteps[] = {
      {"after start", [](Form1&) {}, notClipped},
      {"F(0,0) = 100: every pixel 100", [](Form1& f) { f.Widgets().Text2[0]->SetText("100"); },
       notClipped},
      {"and F(1,0) = 100: sums up to 198", [](Form1& f) { f.Widgets().Text2[1]->SetText("100"); },
       clipped},
      {"F(1,0) back to 0", [](Form1& f) { f.Widgets().Text2[1]->SetText("0"); }, notClipped},
      {"F(1,0) = 100 again", [](Form1& f) { f.Widgets().Text2[1]->SetText("100"); }, clipped},
      {"Reset", [](Form1& f) { f.Command1_Click(); }, notClipped},
  };
  QWidget* indicator = control("Text3");
  ASSERT_NE(indicator, nullptr);
  for (const Step& step : kSteps) {
    step.action(form_);
    EXPECT_EQ(accessible(indicator, QAccessible::Description).toStdString(), step.description)
        << step.what;
    // The words and the colour tell the same.
    EXPECT_EQ(form_.Widgets().Text3->BackColor() == dct::kClippedRed, &step.description == &clipped)
        << step.what;
  }
}

TEST_F(PortugueseWindow, ReportsTheReleaseOfItsMetainfo) {
  QFile metainfo(QStringLiteral(DCT_TEST_METAINFO));
  ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly));
  const auto release = QRegularExpression(QStringLiteral("<release version=\"([^\"]+)\""))
                           .match(QString::fromUtf8(metainfo.readAll()));
  ASSERT_TRUE(release.hasMatch());
  EXPECT_EQ(QApplication::applicationVersion(), release.captured(1));
}

}  // namespace
