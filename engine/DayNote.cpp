#include "engine/DayNote.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace tollix {

QString refusalText(const std::string& text) {
    const QString whole = QString::fromStdString(text);
    const QString translated = QCoreApplication::translate("Refusal", text.c_str());
    const auto colon = text.find(": ");
    if (translated != whole || colon == std::string::npos)
        return translated;
    return refusalText(text.substr(0, colon)) + QStringLiteral(": ") +
           refusalText(text.substr(colon + 2));
}

QString dayNoteText(const BellEngine& engine, bool local) {
    // The window's words, in the main window's texts.
    const auto say = [local](const char* text) {
        return local ? QCoreApplication::translate("tollix::main", text)
                     : QString::fromLatin1(text);
    };
    if (!engine.dayProblem().isEmpty())
        return say(QT_TRANSLATE_NOOP("tollix::main", "No bells today: %1"))
            .arg(local ? refusalText(engine.dayProblem().toStdString()) : engine.dayProblem());
    if (engine.silentAhead())
        return say(QT_TRANSLATE_NOOP(
            "tollix::main", "No bells set: nothing rings today or on the next five school days"));
    const DayChoice& day = engine.today();
    const QString name = QString::fromStdString(day.name);
    const QString named = name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name);
    switch (day.kind) {
        case DayChoice::Kind::Ordinary:
            return {};
        case DayChoice::Kind::NoBells:
            return name.isEmpty() ? say(QT_TRANSLATE_NOOP("tollix::main", "No bells today")) : name;
        case DayChoice::Kind::MakeUp: {
            // Sunday 1 .. Saturday 7.
            const int weekday = std::clamp(day.weekday, 1, 7);
            const QString dayName =
                local ? QLocale::system().dayName(weekday == 1 ? 7 : weekday - 1)
                      : QLocale(QLocale::English).dayName(weekday == 1 ? 7 : weekday - 1);
            return say(QT_TRANSLATE_NOOP("tollix::main", "Make-up day: %1's bells%2"))
                .arg(dayName, named);
        }
        case DayChoice::Kind::Special:
            return say(QT_TRANSLATE_NOOP("tollix::main", "Special day: Templet %1%2"))
                .arg(day.templet)
                .arg(named);
    }
    return {};
}

}  // namespace tollix
