#include "views/DeleteQuestion.h"

#include <QCoreApplication>

#include <array>

namespace {

struct Sentence {
    const char* one;
    const char* many;
};

constexpr std::array<Sentence, 5> kSelected{{
    {QT_TRANSLATE_NOOP("DeleteCounts", "%1 channel is selected."),
     QT_TRANSLATE_NOOP("DeleteCounts", "%1 channels are selected.")},
    {QT_TRANSLATE_NOOP("DeleteCounts", "%1 satellite is selected."),
     QT_TRANSLATE_NOOP("DeleteCounts", "%1 satellites are selected.")},
    {QT_TRANSLATE_NOOP("DeleteCounts", "%1 transponder is selected."),
     QT_TRANSLATE_NOOP("DeleteCounts", "%1 transponders are selected.")},
    {QT_TRANSLATE_NOOP("DeleteCounts", "%1 multiplex is selected."),
     QT_TRANSLATE_NOOP("DeleteCounts", "%1 multiplexes are selected.")},
    {QT_TRANSLATE_NOOP("DeleteCounts", "%1 provider is selected."),
     QT_TRANSLATE_NOOP("DeleteCounts", "%1 providers are selected.")},
}};

QString Tr(const char* text) {
    return QCoreApplication::translate("DeleteCounts", text);
}

QString Count(std::size_t n, const Sentence& sentence) {
    return Tr(n == 1 ? sentence.one : sentence.many).arg(n);
}

} // namespace

QString DeleteCountsQuestion(const DeleteCounts& counts, DeleteNoun noun) {
    QString text = Count(counts.selected, kSelected[static_cast<std::size_t>(noun)]);
    if (counts.transponders == 0 && counts.channels == 0)
        return text;
    const Sentence transponders{QT_TRANSLATE_NOOP("DeleteCounts", "%1 transponder"),
                                QT_TRANSLATE_NOOP("DeleteCounts", "%1 transponders")};
    const Sentence channels{QT_TRANSLATE_NOOP("DeleteCounts", "%1 channel"),
                            QT_TRANSLATE_NOOP("DeleteCounts", "%1 channels")};
    QString taken;
    if (counts.transponders > 0 && counts.channels > 0)
        taken =
            Tr(QT_TRANSLATE_NOOP("DeleteCounts", "%1 and %2"))
                .arg(Count(counts.transponders, transponders), Count(counts.channels, channels));
    else if (counts.transponders > 0)
        taken = Count(counts.transponders, transponders);
    else
        taken = Count(counts.channels, channels);
    const Sentence also{QT_TRANSLATE_NOOP("DeleteCounts", "Deleting it also deletes its %1."),
                        QT_TRANSLATE_NOOP("DeleteCounts", "Deleting them also deletes their %1.")};
    return text + ' ' + Tr(counts.selected == 1 ? also.one : also.many).arg(taken);
}
