// The main window and its windows on small and large screens in German,
// from the keyboard, and to a screen reader.
#include "tests/support/WindowDoubles.h"
#include "ui/FrmCountDown.h"
#include "ui/FrmSyncError.h"
#include "ui/HelpWindow.h"
#include "ui/HolidaysWindow.h"
#include "ui/LargePrintWindow.h"
#include "ui/MenuWindows.h"
#include "ui/OutputsWindow.h"
#include "ui/RingLogWindow.h"
#include "ui/SchoolClockWindow.h"
#include "ui/Translations.h"
#include "ui/isAutoExitForm.h"
#include "ui/isAutoModeForm.h"
#include "ui/templet.h"

#include <QAccessible>

namespace tollix {
namespace {

class Screens : public test::WindowTest {
  protected:
    void TearDown() override { installTranslations({}); }
    main& loadIn(const char* language) {
        installTranslations({QLatin1String(language)});
        return load(services());
    }
};

bool interactive(const QWidget* control) {
    return !qobject_cast<const QLabel*>(control) &&
           (control->focusPolicy() != Qt::NoFocus ||
            qobject_cast<const QAbstractButton*>(control) ||
            qobject_cast<const QAbstractSlider*>(control));
}

// Parts of a control that the control itself names (a calendar's cells, a
// combo box's list, a list's scroll bars).
bool partOfAControl(const QWidget* control, const QWidget* window) {
    for (const QWidget* up = control->parentWidget(); up && up != window; up = up->parentWidget())
        if (qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QComboBox*>(up) ||
            qobject_cast<const QAbstractScrollArea*>(up))
            return true;
    return false;
}

TEST_F(Screens, EveryControlOfEveryWindowHasAName) {
    main& w = loadIn("de");
    FrmSyncError sync;  // the warning of internet time, made when first needed
    RingLogWindow record(ringLog.file());
    for (QWidget* shown : std::initializer_list<QWidget*>{
             &w, w.menus().countDownWindow(), w.menus().countDownWindow()->fullScreen(),
             w.menus().bellCountWindow(), w.menus().help1Window(), w.menus().holidaysWindow(),
             w.autoExitForm(), w.autoModeForm(), w.templetWindow(), w.schoolClockWindow(), &sync,
             &record, OutputsWindow::showFor(&w, w.model, mixer, [] {})}) {
        QStringList unnamed;
        for (QWidget* control : shown->findChildren<QWidget*>()) {
            if (!interactive(control) || partOfAControl(control, shown))
                continue;
            // Said by the screen reader, and given on purpose: a field's own
            // number or a scroll bar's direction is no name.
            QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(control);
            const auto* button = qobject_cast<const QAbstractButton*>(control);
            if (!seen || seen->text(QAccessible::Name).trimmed().isEmpty() ||
                (control->accessibleName().isEmpty() && !(button && !button->text().isEmpty())))
                unnamed << control->objectName() + u'/' +
                               QLatin1String(control->metaObject()->className());
        }
        EXPECT_EQ(unnamed.join(u", "_s).toStdString(), "") << shown->objectName().toStdString();
    }
}

// Inside the window, or inside the page it stands on, which scrolls down but
// never sideways.
QString cut(const QWidget* control, const QWidget* window) {
    QRect frame = window->rect();
    QPoint origin = control->mapTo(window, QPoint());
    for (const QWidget* up = control->parentWidget(); up && up != window; up = up->parentWidget())
        if (const auto* area = qobject_cast<const QScrollArea*>(up);
            area && area->widget() && area->widget()->isAncestorOf(control)) {
            frame = QRect(0, 0, area->viewport()->width(), area->widget()->height());
            origin = control->mapTo(area->widget(), QPoint());
            break;
        }
    if (!frame.contains(QRect(origin, control->size())))
        return control->objectName() + u" off"_s;
    // Words shown whole: a button or a caption no narrower than it asks.
    const auto* label = qobject_cast<const QLabel*>(control);
    const bool words = qobject_cast<const QAbstractButton*>(control) ||
                       (label && !label->wordWrap() && label->minimumWidth() == 0);
    if (words && control->width() < control->sizeHint().width())
        return control->objectName() + u" elided"_s;
    return {};
}

TEST_F(Screens, TheMainWindowFitsEachScreenInEachLanguage) {
    std::map<QString, double> fonts;
    for (const char* language : {"en", "es", "fr", "zh_CN", "de"})
        for (QScreen* screen : QGuiApplication::screens()) {
            SCOPED_TRACE(screen->name().toStdString() + " " + language);
            main& w = loadIn(language);
            w.setScreen(screen);
            w.move(screen->availableGeometry().topLeft());
            w.TrayOut();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
            const QRect area = screen->availableGeometry();
            EXPECT_TRUE(area.contains(w.frameGeometry()))
                << w.frameGeometry().width() << "x" << w.frameGeometry().height();
            QStringList wrong;
            for (const QWidget* control : w.findChildren<QWidget*>()) {
                const QString fault =
                    control->isVisible() && control->window() == &w ? cut(control, &w) : QString();
                if (!fault.isEmpty())
                    wrong << fault;
            }
            EXPECT_EQ(wrong.join(u", "_s).toStdString(), "");
            fonts[screen->name()] = w.Option1->font().pointSizeF();
            w.menus().holidaysWindow()->showCalendar();  // the widest of its windows, made later
            EXPECT_TRUE(area.contains(w.menus().holidaysWindow()->frameGeometry()));
            EXPECT_EQ(w.menus().holidaysWindow()->font().pointSizeF(), fonts[screen->name()]);
            if (area.width() >= 1920) {
                EXPECT_GE(w.width(), area.width() * 2 / 3);
            }
        }
    // A large screen gets larger print than the small island of a small one.
    EXPECT_GT(fonts[u"large"_s], fonts[u"netbook"_s]);
    EXPECT_EQ(fonts[u"small"_s], fonts[u"netbook"_s]);
}

// The common jobs without the mouse, said in the tool tips.
TEST_F(Screens, ShortcutsDoTheCommonJobs) {
    test::save(paths.dataIni(), {.timeMode = 2});
    main& w = load(services());
    player.lengths[(paths.soundFolder() / "chime.wav").string()] = 60000;
    w.fileList->setListIndex(0);
    w.TrayOut();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const auto press = [&w](QWidget* on, int key, Qt::KeyboardModifiers with = {}) {
        on->setFocus();
        QTest::keyClick(on, static_cast<Qt::Key>(key), with);
    };
    const int listed = w.AddTimeList->count();
    w.input_h->setText(u"9"_s);
    w.input_m->setText(u"14"_s);
    press(w.input_m, Qt::Key_Up);  // the arrow keys step the field
    EXPECT_EQ(w.input_m->text(), u"15"_s);
    press(w.input_m, Qt::Key_Return);
    ASSERT_EQ(w.AddTimeList->count(), listed + 1);
    w.AddTimeList->setListIndex(0);
    press(w.AddTimeList, Qt::Key_Delete);
    EXPECT_EQ(w.AddTimeList->count(), listed);
    press(w.input_m, Qt::Key_Enter);
    press(&w, Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(w.start->isEnabled());
    press(&w, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(w.start->isEnabled());
    press(&w, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(player.calls.back(), "play");
    press(&w, Qt::Key_Escape);
    EXPECT_EQ(player.calls.back(), "close");
    // A menu label opens by its letter with Alt, by Enter and by Space.
    for (const auto& [key, with] : {std::pair{Qt::Key_D, Qt::AltModifier},
                                    {Qt::Key_Return, Qt::NoModifier},
                                    {Qt::Key_Space, Qt::NoModifier}}) {
        w.menus().holidaysWindow()->hide();
        press(with ? static_cast<QWidget*>(&w) : w.mnHolidays, key, with);
        EXPECT_TRUE(QTest::qWaitFor([&w] { return w.menus().holidaysWindow()->isVisible(); }))
            << key;
    }
    const std::pair<QWidget*, const char*> tips[] = {
        {w.start, "Ctrl+S"}, {w.stop1, "Ctrl+T"}, {w.btnNowBell, "Ctrl+R"}, {w.bellStop, "Esc"}};
    for (const auto& [control, keys] : tips)
        EXPECT_TRUE(control->toolTip().contains(QLatin1String(keys))) << keys;
}

}  // namespace
}  // namespace tollix
