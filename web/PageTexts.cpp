#include "web/PageTexts.h"

#include <QCoreApplication>
#include <QString>

namespace tollix::web {

namespace {

// Every text of index.html a person reads, as it stands there.
constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("WebPage", "Log out"), QT_TRANSLATE_NOOP("WebPage", "Password"),
    QT_TRANSLATE_NOOP("WebPage", "Log in"), QT_TRANSLATE_NOOP("WebPage", "Now state"),
    QT_TRANSLATE_NOOP("WebPage", "Next bell"), QT_TRANSLATE_NOOP("WebPage", "Ring now"),
    QT_TRANSLATE_NOOP("WebPage", "Sound"), QT_TRANSLATE_NOOP("WebPage", "Stop bell"),
    QT_TRANSLATE_NOOP("WebPage", "Start"), QT_TRANSLATE_NOOP("WebPage", "Stop"),
    QT_TRANSLATE_NOOP("WebPage", "Today Bells"), QT_TRANSLATE_NOOP("WebPage", "Last rings"),
    QT_TRANSLATE_NOOP("WebPage", "Internet time: "), QT_TRANSLATE_NOOP("WebPage", "Time: PC clock"),
    QT_TRANSLATE_NOOP("WebPage", "Error "), QT_TRANSLATE_NOOP("WebPage", "ON"),
    QT_TRANSLATE_NOOP("WebPage", "OFF"), QT_TRANSLATE_NOOP("WebPage", "HOLIDAY"),
    QT_TRANSLATE_NOOP("WebPage", "Wrong password"),
    QT_TRANSLATE_NOOP("WebPage", "Too many failed log-ins: wait %1 s"),
    QT_TRANSLATE_NOOP("WebPage", "Busy: try again"),
    QT_TRANSLATE_NOOP("WebPage", "Stop the schedule? No bell rings until it is started again."),
    QT_TRANSLATE_NOOP("WebPage", "Cancel"), QT_TRANSLATE_NOOP("WebPage", "Say now"),
    QT_TRANSLATE_NOOP("WebPage", "Words to say"), QT_TRANSLATE_NOOP("WebPage", "Say"),
    // The schedule editor.
    QT_TRANSLATE_NOOP("WebPage", "Views"), QT_TRANSLATE_NOOP("WebPage", "Bells"),
    QT_TRANSLATE_NOOP("WebPage", "Schedule"), QT_TRANSLATE_NOOP("WebPage", "All days"),
    QT_TRANSLATE_NOOP("WebPage", "Templet %1"), QT_TRANSLATE_NOOP("WebPage", "Saved"),
    QT_TRANSLATE_NOOP("WebPage", "Changed meanwhile elsewhere: shown as it is now"),
    QT_TRANSLATE_NOOP("WebPage", "Delete"), QT_TRANSLATE_NOOP("WebPage", "Time"),
    QT_TRANSLATE_NOOP("WebPage", "(none)"), QT_TRANSLATE_NOOP("WebPage", "Copied"),
    QT_TRANSLATE_NOOP("WebPage", "Time mode"), QT_TRANSLATE_NOOP("WebPage", "Auto interval"),
    QT_TRANSLATE_NOOP("WebPage", "Manual input"), QT_TRANSLATE_NOOP("WebPage", "Apply week"),
    QT_TRANSLATE_NOOP("WebPage", "Set each day"), QT_TRANSLATE_NOOP("WebPage", "List"),
    QT_TRANSLATE_NOOP("WebPage", "No rings"), QT_TRANSLATE_NOOP("WebPage", "Add"),
    QT_TRANSLATE_NOOP("WebPage", "Copy to..."), QT_TRANSLATE_NOOP("WebPage", "Copy"),
    QT_TRANSLATE_NOOP("WebPage", "Settings of"), QT_TRANSLATE_NOOP("WebPage", "Start time"),
    QT_TRANSLATE_NOOP("WebPage", "End time"), QT_TRANSLATE_NOOP("WebPage", "Work (minutes)"),
    QT_TRANSLATE_NOOP("WebPage", "Rest (minutes)"), QT_TRANSLATE_NOOP("WebPage", "Start bell"),
    QT_TRANSLATE_NOOP("WebPage", "End bell"),
    QT_TRANSLATE_NOOP("WebPage", "Alarm after start bell"),
    QT_TRANSLATE_NOOP("WebPage", "Minutes after"), QT_TRANSLATE_NOOP("WebPage", "Alarm sound"),
    QT_TRANSLATE_NOOP("WebPage", "Alarm before end bell"),
    QT_TRANSLATE_NOOP("WebPage", "Minutes before"), QT_TRANSLATE_NOOP("WebPage", "Save"),
    QT_TRANSLATE_NOOP("WebPage", "Emergency signals"),
    QT_TRANSLATE_NOOP("WebPage", "Repeat (seconds)"),
    // The emergency signals.
    QT_TRANSLATE_NOOP("WebPage", "Alarm"),
    QT_TRANSLATE_NOOP("WebPage", "Hold a button for 2 seconds."),
    QT_TRANSLATE_NOOP("WebPage", "Lockdown"), QT_TRANSLATE_NOOP("WebPage", "Evacuation"),
    QT_TRANSLATE_NOOP("WebPage", "All clear"),
    // The sounds, holidays and settings of the editor.
    QT_TRANSLATE_NOOP("WebPage", "No bells"), QT_TRANSLATE_NOOP("WebPage", "Bells of %1"),
    QT_TRANSLATE_NOOP("WebPage", "Play"), QT_TRANSLATE_NOOP("WebPage", "Sounds"),
    QT_TRANSLATE_NOOP("WebPage", "Add sound..."),
    QT_TRANSLATE_NOOP("WebPage", "Import it all the same"),
    QT_TRANSLATE_NOOP("WebPage", "Import these days"), QT_TRANSLATE_NOOP("WebPage", "Holidays"),
    QT_TRANSLATE_NOOP("WebPage", "From"), QT_TRANSLATE_NOOP("WebPage", "To"),
    QT_TRANSLATE_NOOP("WebPage", "Name"), QT_TRANSLATE_NOOP("WebPage", "Rings"),
    QT_TRANSLATE_NOOP("WebPage", "Import a holiday calendar"),
    QT_TRANSLATE_NOOP("WebPage", "Settings"),
    QT_TRANSLATE_NOOP("WebPage", "Outputs (one a line; none: the default output)"),
    QT_TRANSLATE_NOOP("WebPage", "School clock ahead (seconds)"),
    QT_TRANSLATE_NOOP("WebPage", "Internet time"), QT_TRANSLATE_NOOP("WebPage", "No com sound"),
    QT_TRANSLATE_NOOP("WebPage", "Auto execution"),
    QT_TRANSLATE_NOOP("WebPage", "Reservation Exit"), QT_TRANSLATE_NOOP("WebPage", "Exit time")};

QByteArray escaped(const QString& text) {
    return text.toHtmlEscaped().toUtf8();
}

}  // namespace

QByteArray translatedPage(QByteArray html) {
    // The translators give the language's own code for the page's lang.
    const QString language = QCoreApplication::translate("WebPage", "en");
    html.replace("lang=\"en\"", "lang=\"" + escaped(language) + '"');
    for (const char* text : kTexts) {
        const QByteArray said = escaped(QCoreApplication::translate("WebPage", text));
        html.replace('>' + QByteArray(text) + '<', '>' + said + '<');
        html.replace("=\"" + QByteArray(text) + '"', "=\"" + said + '"');
    }
    return html;
}

}  // namespace tollix::web
