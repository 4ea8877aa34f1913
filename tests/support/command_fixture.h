#pragma once
// What the tests of commands start from: a session of an English project, a
// scratch folder and a scripted user.
#include <gtest/gtest.h>

#include "commands/session.h"
#include "support/database_test_support.h"
#include "support/scripted_ui.h"
#include "support/sql_fixture.h"

namespace tarvello::testing {

struct EnglishSessionTest : ::testing::Test {
  dbtest::ScratchFolder scratch;
  Session session;
  ScriptedUi ui;
  void SetUp() override {
    ASSERT_EQ(session.databases.setPipeDatabase(databaseFromSql(
                  "CREATE TABLE PROJECT (UNITS TEXT); INSERT INTO PROJECT VALUES ('ENGLISH');",
                  DatabaseKind::Pipe)),
              "");
  }
};

}  // namespace tarvello::testing
