#pragma once
/// A fresh draw database with one lottery of each kind, for the data-management tests.
#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "core/store/draw_database.h"

namespace p3::test {

struct DataFixture {
    TempDir dir;
    core::DrawDatabase db;
    core::LotteryInfo ti{"体彩排列3", "体彩", 0, 3};
    core::LotteryInfo fu{"福彩3D", "福彩", 1, 3};

    DataFixture() : db(open(dir)) {
        EXPECT_TRUE(db.addLottery(ti.name, ti.kind, ti.id, ti.digitCount));
        EXPECT_TRUE(db.addLottery(fu.name, fu.kind, fu.id, fu.digitCount));
    }
    static core::DrawDatabase open(const TempDir& dir) {
        auto db = core::DrawDatabase::create(dir / "MDB.sqlite");
        if (!db) ADD_FAILURE() << db.error().message;
        return std::move(*db);
    }
    core::DrawList stored(const core::LotteryInfo& l) { return *db.loadDraws(l.kind, l.id); }
};

} // namespace p3::test
