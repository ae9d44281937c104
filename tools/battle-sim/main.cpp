// battle-sim: the game designer's balance simulator. Fights the match of a
// working folder many times in memory with the engine of battle and reports
// what happened, with confidence intervals; finds and replays single battles;
// sweeps, compares and weighs changes of the characters' fields.
#include <CLI/CLI.hpp>
#include <cstdio>

#include "cli_values.h"
#include "commands.h"
#include "sim_json.h"

namespace {

void addSetOption(CLI::App& command, SimOptions& options) {
  command.add_option("--set", options.setTexts, "change a field for this run: WHO.FIELD=VALUE (repeatable)");
}

void addSeedOptions(CLI::App& command, SimOptions& options) {
  command.add_option("--battles", options.battles, "battles to fight (default 100000)");
  command.add_option("--seed", options.seed, "first seed (default 1)");
  command.add_option("--threads", options.threads, "threads (default: every core)");
}

CLI::App* addRun(CLI::App& app, SimOptions& options) {
  CLI::App* run = app.add_subcommand("run", "fight the folder's match many times and report the figures");
  run->add_option("folder", options.folders, "working folder (default: the current one)")->expected(0, 1);
  addSeedOptions(*run, options);
  run->add_flag("--json", options.json, "print one JSON document");
  run->add_option("--target-error", options.targetError, "fight until every 95 % interval is within ±E");
  run->add_option("--shard", options.shard, "fight shard K of N of the seeds: K/N");
  run->add_option("--html", options.html, "write an HTML report");
  addSetOption(*run, options);
  return run;
}

CLI::App* addSeeds(CLI::App& app, SimOptions& options) {
  CLI::App* seeds = app.add_subcommand("seeds", "list the seeds whose battle ended a given way");
  seeds->add_option("folder", options.folders, "working folder")->expected(0, 1);
  seeds
      ->add_option("--outcome", options.outcome,
                   "win, annihilation, judgement_win, judgement_loss, fault or game_over")
      ->required();
  seeds->add_option("--limit", options.limit, "seeds to list (default 10)");
  addSeedOptions(*seeds, options);
  addSetOption(*seeds, options);
  return seeds;
}

CLI::App* addReplay(CLI::App& app, SimOptions& options) {
  CLI::App* replay = app.add_subcommand("replay", "fight one seed for real in a copy of the folder");
  replay->add_option("args", options.folders, "[FOLDER] SEED")->expected(1, 2);
  replay->add_option("--out", options.out, "the new folder to fight in");
  addSetOption(*replay, options);
  return replay;
}

CLI::App* addMerge(CLI::App& app, SimOptions& options) {
  CLI::App* merge = app.add_subcommand("merge", "add up the JSON results of disjoint seed ranges");
  merge->add_option("files", options.files, "JSON documents of run or sweep")->required();
  merge->add_option("--html", options.html, "write an HTML report");
  return merge;
}

CLI::App* addSweep(CLI::App& app, SimOptions& options) {
  CLI::App* sweep = app.add_subcommand("sweep", "fight the match for a range of values of one or two fields");
  sweep->add_option("folder", options.folders, "working folder")->expected(0, 1);
  sweep->add_option("--vary", options.vary, "WHO.FIELD=FROM:TO:STEP (once or twice)")->required();
  addSeedOptions(*sweep, options);
  sweep->add_flag("--json", options.json, "print one JSON document");
  sweep->add_flag("--csv", options.csv, "print CSV");
  sweep->add_option("--shard", options.shard, "fight shard K of N of the seeds: K/N");
  sweep->add_option("--html", options.html, "write an HTML report");
  addSetOption(*sweep, options);
  return sweep;
}

CLI::App* addCompare(CLI::App& app, SimOptions& options) {
  CLI::App* compare =
      app.add_subcommand("compare", "compare two folders or two sets of changes, paired by seed");
  compare->add_option("folders", options.folders, "FOLDER_A FOLDER_B, or one folder with --a and --b")
      ->expected(0, 2);
  compare->add_option("--a", options.setsA, "changes of side a: WHO.FIELD=VALUE ...");
  compare->add_option("--b", options.setsB, "changes of side b: WHO.FIELD=VALUE ...");
  addSeedOptions(*compare, options);
  compare->add_flag("--json", options.json, "print one JSON document");
  compare->add_option("--shard", options.shard, "fight shard K of N of the seeds: K/N");
  compare->add_option("--html", options.html, "write an HTML report");
  addSetOption(*compare, options);
  return compare;
}

CLI::App* addWeights(CLI::App& app, SimOptions& options) {
  CLI::App* weights = app.add_subcommand("weights", "how much each stat of a member moves the win rate");
  weights->add_option("folder", options.folders, "working folder")->expected(0, 1);
  weights->add_option("--member", options.member, "party member 1, 2 or 3")->required();
  weights->add_option("--delta", options.delta, "how much each stat rises (default 10)");
  weights->add_option("--fields", options.fields, "the stats to weigh (default: every stat a rule reads)")
      ->delimiter(',');
  addSeedOptions(*weights, options);
  weights->add_flag("--json", options.json, "print one JSON document");
  weights->add_option("--shard", options.shard, "fight shard K of N of the seeds: K/N");
  weights->add_option("--html", options.html, "write an HTML report");
  addSetOption(*weights, options);
  return weights;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"battle-sim: the balance simulator of the battle engine"};
  app.set_version_flag("--version", std::string("battle-sim ") + simVersion());
  app.require_subcommand(1);
  SimOptions options;
  struct Command {
    CLI::App* app;
    int (*run)(const SimOptions&);
  };
  const Command commands[] = {
      {addRun(app, options), runCommand},         {addSeeds(app, options), seedsCommand},
      {addReplay(app, options), replayCommand},   {addMerge(app, options), mergeCommand},
      {addSweep(app, options), sweepCommand},     {addCompare(app, options), compareCommand},
      {addWeights(app, options), weightsCommand},
  };
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return 2;
  }
  try {
    for (const Command& command : commands) {
      if (command.app->parsed()) return command.run(options);
    }
  } catch (const UsageError& e) {
    std::fprintf(stderr, "battle-sim: error: %s\n", e.what());
    return 2;
  }
  return 2;
}
