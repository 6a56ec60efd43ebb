// --receiver NAME is a shorthand for the geometry options, and `receivers`
// lists what it can name.
#include "cli/ReceiverOptions.h"
#include "contracts/Policy.h"
#include "contracts/ReceiverProfiles.h"
#include "tests/cli/CliRun.h"

#include <fstream>
#include <sstream>

using namespace velmar::test;

namespace {

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// Everything the policy answers, as one comparable list.
std::vector<long long> PolicyState() {
    std::vector<long long> v = {GetProductList(),        GetProductType(),      GetFlashByteOrder(),
                                GetFlashOneSectorSize(), GetFlashMaxMuxCount(), GetGridColumn()};
    int a = 0, b = 0, c = 0, d = 0;
    GetFlashMMIBlockInfo(&a, &b, &c, &d);
    v.insert(v.end(), {a, b, c, d});
    GetFlashSatBlockInfo(&a, &b, &c);
    v.insert(v.end(), {a, b, c});
    GetFlashBrdBlockInfo(&a, &b, &c);
    v.insert(v.end(), {a, b, c});
    GetFlashTPBlockInfo(&a, &b, &c);
    v.insert(v.end(), {a, b, c});
    GetFlashCHBlockInfo(&a, &b, &c, &d);
    v.insert(v.end(), {a, b, c, d});
    return v;
}

std::vector<long long> Applied(std::vector<std::string> args) {
    args.push_back("info");
    std::size_t index = 0;
    ReceiverOptions options;
    std::string error;
    EXPECT_TRUE(ParseReceiverOptions(args, index, options, error)) << error;
    EXPECT_EQ(index, args.size() - 1);
    velmar::policy_profile::Reset();
    options.Apply();
    auto state = PolicyState();
    velmar::policy_profile::Reset();
    return state;
}

} // namespace

TEST(ReceiverCli, ReceiverNameEqualsItsGeometryOptions) {
    for (const ReceiverProfile& p : ReceiverProfiles()) {
        SCOPED_TRACE(std::string(p.name));
        const auto shorthand = Applied({"--receiver", std::string(p.name)});
        EXPECT_EQ(shorthand, Applied(Words(ReceiverProfileOptions(p))));
        ConfigurePolicy(p);
        EXPECT_EQ(shorthand, PolicyState());
        velmar::policy_profile::Reset();
    }
    EXPECT_EQ(Applied({}), Applied({"--receiver", "satellite"})) << "the default is the start-up";
}

TEST(ReceiverCli, LaterOptionsChangeTheNamedProfile) {
    const auto state = Applied({"--receiver", "cable", "--byte-order", "0", "--ch", "1,2,3,4"});
    ConfigurePolicy(*FindReceiverProfile("cable"));
    auto expected = PolicyState();
    velmar::policy_profile::Reset();
    expected[2] = 0;
    expected.resize(expected.size() - 4);
    expected.insert(expected.end(), {1, 2, 3, 4});
    EXPECT_EQ(state, expected);
    // Without a name they change the start-up receiver; the rest stays.
    expected = Applied({});
    expected[0] = 9;
    expected[1] = 0x12;
    expected.resize(expected.size() - 4);
    expected.insert(expected.end(), {100, 2, 80, 28});
    EXPECT_EQ(
        Applied({"--product-list", "9", "--product-type", "0x12", "--ch", "100,2,80,28", "--yes"}),
        expected);
}

TEST(ReceiverCli, ReceiversListsEveryProfile) {
    const Outcome run = Cli("receivers");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(StartsWith(run.out, "satellite (default)\n"));
    for (const ReceiverProfile& p : ReceiverProfiles())
        EXPECT_TRUE(HasAll(
            run.out, {std::string(p.description), "Caption: " + ReceiverCaption(p),
                      &p == &DefaultReceiverProfile() ? "" : "\n" + std::string(p.name) + "\n"}))
            << p.name;
    EXPECT_TRUE(Has(run.out, "Caption: Velmar for VX-7 and VX-8 satellite receivers - 8FAV\n"));
}

TEST(ReceiverCli, ManualPageNamesEveryProfile) {
    const std::string page = ReadAll(std::string(VELMAR_SOURCE_DIR) + "/docs/man/velmar-cli.1");
    ASSERT_FALSE(page.empty());
    for (const ReceiverProfile& p : ReceiverProfiles()) {
        std::string roff; // hyphens are written \- in roff
        for (char c : p.name)
            roff += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_TRUE(Has(page, roff)) << p.name;
    }
}

// When the editor is set to another receiver, a command that reads an image
// says so on stderr; info names the receiver it read as in every case.
TEST(ReceiverCli, TheEditorsReceiverChoiceIsNamedNotFollowed) {
    const Scratch config("config");
    std::filesystem::create_directories(config / "Velmar");
    const std::string env = "XDG_CONFIG_HOME=" + config.Path() + " ";
    const std::string settings = config / "Velmar/Velmar.conf";
    const std::string note =
        "velmar-cli: note: reading as the start-up receiver \"satellite\"; the editor is set to "
        "\"cable\". Choose with --receiver NAME (--receiver cable reads as the editor does).\n";

    Outcome run = Cli("info " + kSatellite, env);
    EXPECT_TRUE(ExitsSaying(run, 0, "")) << "no settings file: nothing to say";
    const std::string startup = "  read as       satellite (the start-up receiver)\n";
    EXPECT_TRUE(Has(run.out, startup));

    // As the editor's settings hold it (GroupName, key=value).
    std::ofstream(settings) << "[VXUI]\nGridColumn=1\nReceiver=cable\n";
    run = Cli("info " + kSatellite, env);
    EXPECT_TRUE(ExitsSaying(run, 0, note)) << "the default stays: the output is reproducible";
    EXPECT_TRUE(Has(run.out, startup));
    for (const char* command : {"check ", "dump "})
        EXPECT_EQ(Cli(command + kSatellite, env).err, note) << command;

    run = Cli("--receiver cable info " + kCable, env);
    EXPECT_EQ(run.err, "") << "a chosen receiver needs no note";
    EXPECT_TRUE(Has(run.out, "read as       cable (--receiver)"));
    run = Cli("--product-list 2 info " + kSatellite, env);
    EXPECT_EQ(run.err, "") << "nor does a chosen geometry";
    EXPECT_TRUE(Has(run.out, "(the start-up receiver), changed by the options"));
    EXPECT_FALSE(Has(Cli("dump-xls -", env).err, "note:"))
        << "a workbook alone is read as no receiver";

    // The start-up receiver saved, or a name no profile has: nothing to say.
    for (const char* saved :
         {"[VXUI]\nReceiver=satellite\n", "[Other]\nReceiver=cable\n[VXUI]\nReceiver=nope\n"}) {
        std::ofstream(settings) << saved;
        EXPECT_EQ(Cli("info " + kSatellite, env).err, "") << saved;
    }
}
