#include "cli/DiffCommand.h"

#include "cli/StandardStreams.h"
#include "compare/CompareReport.h"
#include "compare/ListMerge.h"
#include "document/WorkbookDocument.h"

#include <iostream>

namespace {

// One list of the two, read into a document of its own; the message on
// standard error when it cannot be.
bool ReadList(const std::string& path, const std::string& name, CDocument& into,
              IUserPrompt* prompt) {
    Phrase error;
    if (ReadListDocument(path, CDocument::Current().Values(), into, prompt, &error) == 1)
        return true;
    std::cerr << "velmar-cli: " << name << ": " << English(error) << "\n";
    return false;
}

} // namespace

int RunDiffCommand(const std::string& a, const std::string& b, const std::string& nameA,
                   const std::string& nameB, bool json, IUserPrompt* prompt) {
    CDocument listA, listB;
    if (!ReadList(a, nameA, listA, prompt) || !ReadList(b, nameB, listB, prompt))
        return 2;
    const Comparison comparison = CompareDocuments(listA, listB);
    const std::string out =
        json ? ComparisonJson(comparison, nameA, nameB) : ComparisonText(comparison, nameA, nameB);
    if (!out.empty() && !WriteStandardOutput(out))
        return 2;
    return comparison.Same() ? 0 : 1;
}

std::string RunMergeScriptLine(EditSession& session, const ScriptArgs& args, std::ostream& out) {
    MergeKinds kinds = MergeKinds::All;
    std::size_t words = args.size();
    if (words > 2 && ParseMergeKinds(args.back(), kinds))
        --words;
    if (words < 2)
        return Expected("merge FILE [tv|radio|all]");
    const ScriptArgs file(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(words));
    const MergeReport report = MergeChannelsFromFile(session, RestOfLine(file, 1), kinds);
    if (!report.Applied())
        return report.error;
    out << MergeSummary(report) << "\n";
    return {};
}
