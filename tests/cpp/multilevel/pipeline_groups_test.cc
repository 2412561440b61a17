// Replays the multilevel groups recorded with whole analysis runs: the group
// driver, fed the run's integer weights, its seed and the pathways' scores,
// must return the recorded engine p-values bit for bit. The mended runs hold
// gene sets whose weights are all 0.
#include <cctype>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/records.h"
#include "multilevel/group.h"
#include "support/test_support.h"

namespace varenko::multilevel {
namespace {

using test::json_f64;
using test::same_bits;

// True when the call passed the keyword argument with a value other than None.
bool given(const nlohmann::json& kwargs, const char* name) {
  return kwargs.contains(name) && !kwargs.at(name).is_null();
}

core::ScoreType score_type_of(const nlohmann::json& kwargs) {
  std::string s = given(kwargs, "scoreType") ? kwargs.at("scoreType").get<std::string>() : "std";
  for (auto& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (s == "pos") return core::ScoreType::Pos;
  if (s == "neg") return core::ScoreType::Neg;
  return core::ScoreType::Std;
}

// Returns the number of groups compared.
int replay_groups(const std::string& file) {
  const auto doc = test::load_json(file);
  int compared = 0;
  for (const auto& c : doc.at("cases")) {
    if (!c.contains("intermediate")) continue;
    const auto& inter = c.at("intermediate");
    if (!inter.contains("groups") || !inter.at("groups").is_array() ||
        inter.at("groups").empty()) {
      continue;
    }
    SCOPED_TRACE(c.at("id").get<std::string>());
    const auto& kwargs = c.at("kwargs");

    std::vector<std::string> genes;
    std::vector<double> scores;
    for (const auto& pair : c.at("ranking")) {
      genes.push_back(pair.at(0).get<std::string>());
      scores.push_back(json_f64(pair.at(1)));
    }
    const double gsea_param = given(kwargs, "gseaParam") ? json_f64(kwargs.at("gseaParam")) : 1.0;
    const auto ranked = core::RankedList::make(genes, scores);
    const auto stats = ranked.prepare(gsea_param);
    const std::uint32_t sample_size =
        given(kwargs, "sampleSize") ? kwargs.at("sampleSize").get<std::uint32_t>() : 101;
    const auto seed = inter.at("multilevel_seed").get<std::uint64_t>();

    std::map<std::string, std::vector<double>> es_by_name;
    for (const auto& row : c.at("rows")) {
      es_by_name[row.at("pathway").get<std::string>()].push_back(json_f64(row.at("es")));
    }
    for (const auto& g : inter.at("groups")) {
      std::vector<double> es;
      bool unique = true;
      for (const auto& name : g.at("pathways")) {
        const auto& found = es_by_name[name.get<std::string>()];
        if (found.size() != 1) unique = false;
        if (!found.empty()) es.push_back(found.front());
      }
      if (!unique) continue;  // duplicated pathway names: scores not attributable
      const auto got = run_multilevel_gsea_group_impl(
          static_cast<std::uint32_t>(ranked.size()), stats.int_weights, json_f64(g.at("floor")),
          g.at("size").get<std::uint32_t>(), es, score_type_of(kwargs), sample_size, seed).value();
      const auto& expected = g.at("engine_pvalues");
      EXPECT_EQ(got.size(), expected.size());
      for (std::size_t i = 0; i < got.size() && i < expected.size(); ++i) {
        EXPECT_TRUE(same_bits(got[i], json_f64(expected[i])))
            << "group of size " << g.at("size") << ", entry " << i << ": got " << got[i]
            << ", expected " << json_f64(expected[i]);
      }
      ++compared;
    }
  }
  return compared;
}

TEST(MultilevelPipelineGroups, RecordedGroupsOfWholeRunsReplayExactly) {
  EXPECT_GT(replay_groups("golden/pipeline_rows.json"), 30);
}

TEST(MultilevelPipelineGroups, MendedGroupsWithWeightlessGeneSetsReplayExactly) {
  EXPECT_GT(replay_groups("golden/mended_rows.json"), 8);
}

}  // namespace
}  // namespace varenko::multilevel
