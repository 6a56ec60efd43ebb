#include "app/CommandLine.h"

#include "contracts/ReceiverProfiles.h"

namespace {

QString Option(const QStringList& args, const char* name) {
    const auto at = args.indexOf(name);
    return at > 0 && at + 1 < args.size() ? args[at + 1] : QString();
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

EditorArguments ParseEditorArguments(const QStringList& args) {
    EditorArguments out;
    out.open = Option(args, "--open");
    out.screenshot = Option(args, "--screenshot");
    if (args.indexOf("--receiver") > 0) {
        const QString name = Option(args, "--receiver");
        out.profile = FindReceiverProfile(name.toStdString());
        if (!out.profile)
            out.error = QString("unknown receiver \"%1\"; one of:\n").arg(name) + ReceiverChoices();
    }
    return out;
}

QString ReceiverChoices() {
    QString text;
    for (const ReceiverProfile& p : ReceiverProfiles())
        text += QString("  %1 %2\n").arg(Text(p.name), -24).arg(Text(p.description));
    return text;
}
