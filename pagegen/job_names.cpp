#include "common/sjis.h"
#include "pagegen/page_tables.h"

namespace {

// clang-format off
//  JobId     name
constexpr std::string_view kJobNames[] = {
    /*  0 */ "軽装戦士・男"_sj,
    /*  1 */ "軽装戦士・女"_sj,
    /*  2 */ "重装戦士・男"_sj,
    /*  3 */ "重装戦士・女"_sj,
    /*  4 */ "神官・男"_sj,
    /*  5 */ "神官・女"_sj,
    /*  6 */ "魔法使い・男"_sj,
    /*  7 */ "魔法使い・女"_sj,
    /*  8 */ "魔法剣士・男"_sj,
    /*  9 */ "魔法剣士・女"_sj,
    /* 10 */ "盗賊・男"_sj,
    /* 11 */ "盗賊・女"_sj,
    /* 12 */ "格闘家・男"_sj,
    /* 13 */ "格闘家・女"_sj,
    /* 14 */ "侍・男"_sj,
    /* 15 */ "侍・女"_sj,
    /* 16 */ "ロボ"_sj,
};
// clang-format on
static_assert(std::size(kJobNames) == kJobCount);

}  // namespace

std::string_view jobName(Int job) {
  return job >= 0 && job < kJobCount ? kJobNames[job.v] : std::string_view();
}
