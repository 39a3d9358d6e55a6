// The log read over ADO against the connection double: the statement, the
// fields by name, the texts, the errors, and that the recordset is closed and
// every object released on every way out.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "engine/LogRow.h"
#include "platform/win32/AdoLogReader.h"
#include "tests/win32/AdoDouble.h"

namespace {

using q9x::LogRow;
using q9xtest::AdoConnectionDouble;
using q9xtest::AdoTable;
using q9xtest::AdoValue;

// The columns a logger's table has, the plug-in's seven among them in another order.
const std::vector<std::wstring> kColumns = {L"QSODate",   L"CallSign",  L"DigiBand",
                                            L"QSOMode",   L"Continent", L"QSOReportRecived",
                                            L"MainPrefix", L"DXCCPrefix", L"Frequency"};

std::vector<AdoValue> logRow(const wchar_t* call, AdoValue report = L"599 AB")
{
  return {L"2026-12-09", call, L"3.5", L"FT8", L"eu", report, L"R3", L"UA3A", AdoValue::real(3573.5)};
}

struct ReadRow {
  std::string call, band, mode, continent, report, mainPrefix, dxcc;
  bool operator==(const ReadRow&) const = default;
};

ReadRow fieldsOf(const LogRow& r)
{
  return {r.CallSign, r.DigiBand, r.QSOMode, r.Continent, r.QSOReportRecived, r.MainPrefix, r.DXCCPrefix};
}

class AdoLogReader : public ::testing::Test {
 protected:
  void SetUp() override { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override { ::CoUninitialize(); }

  // Every row's fields, read to the end or to the error.
  std::vector<ReadRow> readAll(q9x::LogReader& reader, std::string* error = nullptr)
  {
    std::vector<ReadRow> rows;
    LogRow row;
    try {
      while (reader.next(row)) rows.push_back(fieldsOf(row));
    } catch (const std::runtime_error& e) {
      if (!error) throw;
      *error = e.what();
    }
    return rows;
  }

  // Nothing of the recordset is left: closed by the reader, every reference given back.
  void expectAllLetGo()
  {
    EXPECT_EQ(ado.openRecordsets(), 0);
    EXPECT_EQ(ado.liveObjects(), 0);
    EXPECT_TRUE(ado.askedInterfaces().empty()) << "the reader asked for an interface";
  }

  AdoConnectionDouble ado;
};

TEST_F(AdoLogReader, ReadsTheSevenFieldsOfEveryRowByName)
{
  ado.serve(L"Log", {kColumns, {logRow(L"R3AA"), logRow(L"UA3ABC", L"599 MO45")}});
  auto reader = q9x::makeAdoLogReader(ado.recordField());
  reader->open("Log");
  EXPECT_TRUE(ado.commands().empty()) << "the statement ran before the pending events";
  reader->resumeAfterEvents();
  ASSERT_EQ(ado.commands(), std::vector<std::wstring>{L"Select * from Log order by CallSign"});
  EXPECT_EQ(ado.commandOptions(), std::vector<long>{1});  // a text command
  EXPECT_EQ(readAll(*reader), (std::vector<ReadRow>{{"R3AA", "3.5", "FT8", "eu", "599 AB", "R3", "UA3A"},
                                                   {"UA3ABC", "3.5", "FT8", "eu", "599 MO45", "R3", "UA3A"}}));
  EXPECT_EQ(ado.recordsetsClosedByTheReader(), 1);
  expectAllLetGo();

  // A second scan runs the statement again, here without events between, and
  // reads from the first row.
  reader->open("Log");
  EXPECT_EQ(readAll(*reader).size(), 2u);
  EXPECT_EQ(ado.commands().size(), 2u);
  expectAllLetGo();
}

TEST_F(AdoLogReader, ValuesBecomeHostText)
{
  const std::wstring longText(300, L'x');
  ado.serve(L"Log", {kColumns,
                     {logRow(L"A1", AdoValue::null()), logRow(L"A2", AdoValue::empty()),
                      logRow(L"A3", AdoValue::integer(599)), logRow(L"A4", longText),
                      logRow(L"A5", L"599 \u00e9\u0416")}});
  auto reader = q9x::makeAdoLogReader(ado.recordField());
  reader->open("Log");
  const std::vector<ReadRow> rows = readAll(*reader);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].report, "");
  EXPECT_EQ(rows[1].report, "");
  EXPECT_EQ(rows[2].report, "599");
  EXPECT_EQ(rows[3].report, std::string(255, 'x'));
  // In the host's code page; a character it lacks becomes its default character.
  if (::GetACP() == 1252) {
    EXPECT_EQ(rows[4].report, "599 \xE9?");
  }
  expectAllLetGo();
}

TEST_F(AdoLogReader, MissingColumnIsNamedAfterTheFieldsBeforeIt)
{
  std::vector<std::wstring> columns = kColumns;
  std::erase(columns, L"MainPrefix");
  std::vector<AdoValue> values = logRow(L"R3AA");
  values.erase(values.begin() + 6);
  ado.serve(L"Log", {columns, {values}});
  auto reader = q9x::makeAdoLogReader(ado.recordField());
  reader->open("Log");
  LogRow row;
  try {
    reader->next(row);
    FAIL() << "a missing column was not reported";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "LogQuery: Field 'MainPrefix' not found");
  }
  EXPECT_EQ(row.QSOReportRecived, "599 AB");
  EXPECT_EQ(row.DXCCPrefix, "UA3A");
  EXPECT_EQ(row.CallSign, "");
  EXPECT_FALSE(reader->next(row));
  expectAllLetGo();
}

TEST_F(AdoLogReader, FailuresGiveAdosDescriptionElseTheCode)
{
  auto reader = q9x::makeAdoLogReader(ado.recordField());
  try {
    reader->open("Nope");
    reader->resumeAfterEvents();
    FAIL() << "a missing table was not reported";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Invalid object name 'Nope'.");
  }

  // An error object the host left behind is not taken for the reader's.
  ado.leaveErrorObject(L"the host's own old error");
  ado.failExecute({static_cast<HRESULT>(0x80040E14), L""});
  try {
    reader->open("Log");
    reader->resumeAfterEvents();
    FAIL() << "a failing Execute was not reported";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("0x80040E14"), std::string::npos) << e.what();
  }
  expectAllLetGo();
}

TEST_F(AdoLogReader, FailurePartWayKeepsTheRowsBeforeIt)
{
  ado.serve(L"Log", {kColumns, {logRow(L"A1"), logRow(L"A2"), logRow(L"A3"), logRow(L"A4")}});
  ado.failMoveNextFrom(1, {static_cast<HRESULT>(0x80004005), L"Communication link failure"});
  auto reader = q9x::makeAdoLogReader(ado.recordField());
  reader->open("Log");
  std::string error;
  EXPECT_EQ(readAll(*reader, &error).size(), 2u);
  EXPECT_EQ(error, "Communication link failure");
  EXPECT_EQ(ado.recordsetsClosedByTheReader(), 1);
  expectAllLetGo();
}

TEST_F(AdoLogReader, ConnectionClosedByTheHostIsAnError)
{
  ado.serve(L"Log", {kColumns, {logRow(L"A1"), logRow(L"A2")}});
  auto reader = q9x::makeAdoLogReader(ado.recordField());
  const std::string closed = "Operation is not allowed when the object is closed.";

  // While the pending events run, and reopened before they end.
  reader->open("Log");
  ado.closeConnection();
  ado.reopenConnection();
  reader->resumeAfterEvents();
  EXPECT_EQ(readAll(*reader).size(), 2u);

  // While the pending events run.
  reader->open("Log");
  ado.closeConnection();
  try {
    reader->resumeAfterEvents();
    FAIL() << "a closed connection was not reported";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(e.what(), closed);
  }
  ado.reopenConnection();

  // In the middle of the scan (a host's call made while an error box was up, say).
  reader->open("Log");
  LogRow row;
  ASSERT_TRUE(reader->next(row));
  ado.closeConnection();
  std::string error;
  EXPECT_TRUE(readAll(*reader, &error).empty());
  EXPECT_EQ(error, closed);
  expectAllLetGo();
}

TEST_F(AdoLogReader, CloseOrDestructionMidScanLetsGo)
{
  ado.serve(L"Log", {kColumns, {logRow(L"A1"), logRow(L"A2")}});
  auto reader = q9x::makeAdoLogReader(ado.recordField());
  LogRow row;
  reader->open("Log");
  ASSERT_TRUE(reader->next(row));
  reader->close();
  expectAllLetGo();
  reader->close();

  reader->open("Log");
  ASSERT_TRUE(reader->next(row));
  reader.reset();
  EXPECT_EQ(ado.recordsetsClosedByTheReader(), 2);
  expectAllLetGo();
}

TEST_F(AdoLogReader, NoConnectionIsAnError)
{
  auto reader = q9x::makeAdoLogReader(0);
  EXPECT_THROW(reader->open("Log"), std::runtime_error);
  reader->resumeAfterEvents();
  LogRow row;
  EXPECT_FALSE(reader->next(row));
}

}  // namespace
