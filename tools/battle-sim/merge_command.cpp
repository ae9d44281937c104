// battle-sim merge: adds up documents of disjoint seed ranges of the same
// match into the document one run over their union gives (all but the
// speed): the counts and totals add, everything else is derived again.
#include <fstream>
#include <iostream>

#include "command_common.h"
#include "compare_document.h"
#include "sweep_document.h"

using nlohmann::json;

namespace {

json readDocument(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UsageError("merge: cannot read '" + path + "'");
  json doc = json::parse(in, nullptr, false);
  if (doc.is_discarded() || !doc.is_object())
    throw UsageError("merge: '" + path + "' is not a JSON document");
  return doc;
}

SimTally tallyOf(const json& doc, RunInfo& info, const std::string& path) {
  std::string error;
  std::optional<SimTally> tally = tallyFromDocument(doc, info, error);
  if (!tally) throw UsageError("merge: '" + path + "' is not a battle-sim result: " + error);
  return std::move(*tally);
}

// The same match: folder, changes and (for the kinds that have them) the
// axes, member and delta must agree.
void checkSameMatch(const json& first, const json& doc, const std::string& path) {
  for (const char* key : {"command", "folder", "sets", "vary", "member", "delta"}) {
    if (first.value(key, json()) != doc.value(key, json())) {
      throw UsageError(std::string("merge: '") + path + "' differs in \"" + key +
                       "\" from the first document");
    }
  }
}

struct Documents {
  std::vector<json> docs;
  std::vector<std::string> paths;
  int threads = 1;
  double seconds = 0;
};

Documents readAll(const std::vector<std::string>& paths) {
  Documents all;
  std::vector<SeedRange> ranges;
  for (const std::string& path : paths) {
    json doc = readDocument(path);
    if (!all.docs.empty()) checkSameMatch(all.docs.front(), doc, path);
    try {
      for (const json& r : doc.at("seed_ranges"))
        ranges.emplace_back(r.at(0).get<std::int64_t>(), r.at(1).get<std::int64_t>());
      all.threads = std::max(all.threads, doc.at("threads").get<int>());
      all.seconds += doc.at("elapsed_seconds").get<double>();
    } catch (const std::exception& e) {
      throw UsageError("merge: '" + path + "': " + e.what());
    }
    all.docs.push_back(std::move(doc));
    all.paths.push_back(path);
  }
  if (!joinSeedRanges(ranges)) throw UsageError("merge: the documents' seed ranges overlap");
  return all;
}

SimTally sumResults(const Documents& all, const char* key, RunInfo& info) {
  SimTally sum;
  for (std::size_t d = 0; d < all.docs.size(); ++d) {
    const json& result = key == nullptr ? all.docs[d] : all.docs[d].at(key);
    addTally(sum, tallyOf(result, info, all.paths[d]));
  }
  info.threads = all.threads;
  info.seconds = all.seconds;
  return sum;
}

json mergeRuns(const Documents& all) {
  RunInfo info;
  SimTally sum = sumResults(all, nullptr, info);
  return runDocument(sum, info);
}

json mergeSweeps(const Documents& all) {
  const json& first = all.docs.front();
  std::vector<SweepAxis> axes;
  for (const json& v : first.at("vary")) {
    std::string error;
    const std::string label = v.at("label").get<std::string>();
    std::optional<FieldTarget> target = parseFieldTarget(label, error);
    if (!target) throw UsageError("merge: " + error);
    axes.push_back({*target, label, v.at("from").get<std::int64_t>(), v.at("to").get<std::int64_t>(),
                    v.at("step").get<std::int64_t>()});
  }
  std::vector<SweepPoint> points;
  RunInfo info;
  for (std::size_t p = 0; p < first.at("points").size(); ++p) {
    SweepPoint point;
    for (const SweepAxis& axis : axes)
      point.values.push_back(first.at("points").at(p).at("values").at(axis.label));
    for (std::size_t d = 0; d < all.docs.size(); ++d) {
      const json& row = all.docs[d].at("points").at(p);
      if (row.at("values") != first.at("points").at(p).at("values"))
        throw UsageError("merge: the sweeps' points differ");
      RunInfo pointInfo;
      addTally(point.tally, tallyOf(row.at("result"), pointInfo, all.paths[d]));
      if (d == 0) info = pointInfo;
    }
    points.push_back(std::move(point));
  }
  info.folder = first.at("folder").get<std::string>();
  info.sets = first.at("sets").get<std::vector<std::string>>();
  info.threads = all.threads;
  info.seconds = all.seconds;
  return sweepDocument(axes, points, info);
}

json mergeCompares(const Documents& all) {
  CompareSide a, b;
  a.label = all.docs.front().at("a").at("label").get<std::string>();
  b.label = all.docs.front().at("b").at("label").get<std::string>();
  Pairing pairing;
  for (std::size_t d = 0; d < all.docs.size(); ++d) {
    addTally(a.tally, tallyOf(all.docs[d].at("a").at("result"), a.info, all.paths[d]));
    addTally(b.tally, tallyOf(all.docs[d].at("b").at("result"), b.info, all.paths[d]));
    addPairing(pairing, pairingFromCompare(all.docs[d]));
  }
  a.info.seconds = b.info.seconds = 0;
  return compareDocument(a, b, pairing, all.threads, all.seconds);
}

json mergeWeights(const Documents& all) {
  RunInfo info;
  SimTally baseline = sumResults(all, "baseline", info);
  const json& first = all.docs.front();
  std::vector<WeightRow> rows;
  for (const json& w : first.at("weights")) {
    std::string error;
    std::optional<FieldTarget> target = parseFieldTarget("member1." + w.at("key").get<std::string>(), error);
    if (!target) throw UsageError("merge: " + error);
    WeightRow row{target->field, {}};
    for (const json& doc : all.docs) {
      for (const json& other : doc.at("weights")) {
        if (other.at("key") != w.at("key")) continue;
        row.change.battles += doc.at("battles").get<std::int64_t>();
        row.change.improved += other.at("improved").get<std::int64_t>();
        row.change.worsened += other.at("worsened").get<std::int64_t>();
        row.change.victories += other.at("wins").get<std::int64_t>();
      }
    }
    rows.push_back(row);
  }
  return weightsDocument(baseline, info, first.at("member").get<int>(), first.at("delta").get<std::int64_t>(),
                         rows, all.seconds);
}

}  // namespace

int mergeCommand(const SimOptions& options) {
  Documents all = readAll(options.files);
  const std::string command = all.docs.front().value("command", "");
  json merged;
  try {
    if (command == "run") {
      merged = mergeRuns(all);
    } else if (command == "sweep") {
      merged = mergeSweeps(all);
    } else if (command == "compare") {
      merged = mergeCompares(all);
    } else if (command == "weights") {
      merged = mergeWeights(all);
    } else {
      throw UsageError("merge: '" + all.paths.front() + "' is no run, sweep, compare or weights document");
    }
  } catch (const json::exception& e) {
    throw UsageError(std::string("merge: a document lacks a part: ") + e.what());
  }
  writeHtmlIfAsked(options.html, merged);
  printJson(merged);
  return 0;
}
