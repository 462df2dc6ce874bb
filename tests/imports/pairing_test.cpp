// The default pairing of source fields with the open database's columns, the four pairing
// buttons and when "Import" is enabled.
#include <gtest/gtest.h>

#include <map>

#include "core/header_file.h"
#include "imports/pairing.h"
#include "imports/wizard_state.h"

namespace {

using imports::PairingModel;
using imports::SourceField;

core::VideoList ShippedColumns() {
    core::VideoList list;
    core::ReadHeader(list, std::string(REELDECK_SOURCE_DATA) + "/cfg/mlh.txt");
    return list;
}

std::vector<SourceField> Fields(const std::vector<std::string>& names) {
    std::vector<SourceField> fields;
    for (const std::string& name : names) fields.push_back({static_cast<int>(fields.size()), name});
    return fields;
}

// Target name -> "source name/slot" of every paired row; the rule's pairing is marked "(rule)".
std::map<std::string, std::string> Paired(const PairingModel& model) {
    std::map<std::string, std::string> paired;
    for (const imports::TargetRow& row : model.Rows()) {
        if (!row.source) continue;
        paired[row.name] = row.source->name + "/" + std::to_string(row.source->slot) +
                           (row.by_flag_value_rule ? " (rule)" : "");
    }
    return paired;
}

std::vector<std::string> IgnoredNames(const PairingModel& model) {
    std::vector<std::string> names;
    for (const SourceField& field : model.Ignored()) names.push_back(field.name);
    return names;
}

TEST(PairingRules, PairByNameAndListTheRestUnderIgnore) {
    using Names = std::vector<std::string>;
    const std::tuple<Names, std::map<std::string, std::string>, Names> cases[] = {
        // source fields, paired, ignored.
        // The first field passes "Flag Value" without matching: the rule pairs slot 16 there and
        // the field ("ID") is held out of "Ignore".
        {{"ID", "Title", "Seen", "Actors"},
         {{"Title", "Title/1"}, {"Flag Value", "Flag Value/16 (rule)"}},
         {"Seen", "Actors"}},
        // A real "Flag Value" replaces the rule's pairing; "Key" and "#" are never listed.
        {{"Key", "#", "title", "Flag Value"},
         {{"Title", "title/2"}, {"Flag Value", "Flag Value/3"}},
         {}},
        // Containment is compared with case; a later match takes the row and the earlier field
        // shows nowhere.
        {{"Key", "Director(s)", "Misc", "Misc", "cast list"},
         {{"Director", "Director(s)/1"},
          {"Misc 4", "Misc/3"},
          {"Flag Value", "Flag Value/16 (rule)"}},
         {"cast list"}},
        // Empty names match nothing.
        {{"Key", "ID", ""}, {{"Flag Value", "Flag Value/16 (rule)"}}, {""}}};
    for (const auto& [fields, paired, ignored] : cases) {
        PairingModel model;
        model.Rebuild(ShippedColumns(), Fields(fields));
        EXPECT_EQ(Paired(model), paired) << fields[1];
        EXPECT_EQ(IgnoredNames(model), ignored) << fields[1];
    }
}

TEST(PairingButtons, PairUnpairAndMoveFollowTheEmptyRows) {
    PairingModel model;
    model.Rebuild(ShippedColumns(), Fields({"ID", "Title", "Seen", "Writers"}));
    for (int row = 0; row < static_cast<int>(model.Rows().size()); ++row) {
        if (model.Rows()[static_cast<std::size_t>(row)].name == "Writer") model.Unpair(row);
    }
    ASSERT_EQ(IgnoredNames(model), (std::vector<std::string>{"Seen", "Writers"}));
    // "Writers" contains the name of the empty "Writer" row; "Seen" matches none and takes the
    // first empty row.
    EXPECT_EQ(model.Rows()[static_cast<std::size_t>(*model.PairIgnored(1))].name, "Writer");
    const std::optional<int> seen = model.PairIgnored(0);
    ASSERT_TRUE(seen);
    EXPECT_EQ(model.Rows()[static_cast<std::size_t>(*seen)].name, "Year");
    EXPECT_FALSE(model.PairIgnored(0));  // nothing left under "Ignore"

    EXPECT_EQ(model.MoveUp(0), std::nullopt);        // Title: no empty row above
    EXPECT_EQ(model.MoveDown(1), std::optional(2));  // Seen: Year -> MPAA
    EXPECT_EQ(model.MoveUp(2), std::optional(1));
    EXPECT_TRUE(model.Unpair(1));
    EXPECT_FALSE(model.Unpair(1));
    EXPECT_EQ(IgnoredNames(model), std::vector<std::string>{"Seen"});
    // The rule's pairing brings nothing to the import.
    EXPECT_EQ(model.Pairs(), (std::vector<imports::Pair>{{1, 3}, {3, 21}}));
}

TEST(PairingButtons, AssignOverridesOnePairing) {
    PairingModel model;
    model.Rebuild(ShippedColumns(), Fields({"Key", "Title", "Actors"}));
    EXPECT_FALSE(model.Assign("actors", "cast"));
    EXPECT_EQ(Paired(model).at("Cast"), "Actors/2");
    EXPECT_FALSE(model.Assign("Title", ""));
    EXPECT_EQ(IgnoredNames(model), std::vector<std::string>{"Title"});
    EXPECT_FALSE(model.Assign("Title", "Cast"));  // Actors makes room under "Ignore"
    EXPECT_EQ(IgnoredNames(model), std::vector<std::string>{"Actors"});
    EXPECT_NE(model.Assign("Colour", "Cast")->find("no source field \"Colour\""),
              std::string::npos);
    EXPECT_NE(model.Assign("Title", "Colour")->find("no column \"Colour\""), std::string::npos);
}

TEST(ImportEnabling, NeedsASourceAPairingAndAFolderOnlyForImages) {
    const std::tuple<imports::WizardFields, bool, bool> cases[] = {
        // fields, paired, enabled
        {{"", "", false, "", 0, false}, true, false},        // no source
        {{"a.rdk", "", false, "", 0, false}, false, false},  // no pairing
        {{"a.rdk", "", false, "", 0, false}, true, true},    // no images, no folder
        {{"a.rdk", "", false, "", 0, true}, true, false},    // images without a folder
        {{"a.rdk", "", false, "/i", 3, true}, true, true},   // images with a folder
        {{"a.mff", "", true, "", 0, false}, true, false},    // Filmfolio without its program
        {{"a.mff", "ff.exe", true, "", 0, false}, true, true}};
    for (const auto& [fields, paired, enabled] : cases) {
        PairingModel model;
        model.Rebuild(ShippedColumns(), Fields({"Key", paired ? "Title" : "Nothing"}));
        EXPECT_EQ(imports::ImportEnabled(fields, model), enabled)
            << fields.source_path << fields.image_count << paired;
    }
}

}  // namespace
