#pragma once
// A stand-in for the host's ADO connection: a COM object with the interfaces
// of a _Connection, its recordsets, Fields and Field, serving log tables that
// a test sets up, failing where the test says, and recording what was asked
// of it. Only what the plug-in may call is there: any other call of ADO finds
// an empty slot and ends the test program.

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace q9xtest {

// One value of a log row, as ADO hands it out.
struct AdoValue {
  VARTYPE type = VT_NULL;
  std::wstring text;
  double number = 0;

  static AdoValue null() { return {}; }
  static AdoValue empty() { return {VT_EMPTY, {}, 0}; }
  static AdoValue integer(int value) { return {VT_I4, {}, static_cast<double>(value)}; }
  static AdoValue real(double value) { return {VT_R8, {}, value}; }
  static AdoValue boolean(bool value) { return {VT_BOOL, {}, value ? 1.0 : 0.0}; }
  AdoValue() = default;
  AdoValue(const wchar_t* t) : type(VT_BSTR), text(t) {}
  AdoValue(std::wstring t) : type(VT_BSTR), text(std::move(t)) {}
  AdoValue(VARTYPE vt, std::wstring t, double n) : type(vt), text(std::move(t)), number(n) {}
};

struct AdoTable {
  std::vector<std::wstring> columns;
  std::vector<std::vector<AdoValue>> rows;
};

// The host's log table with the seven columns the plug-in reads, in this
// order: CallSign, DigiBand, QSOMode, Continent, QSOReportRecived,
// MainPrefix, DXCCPrefix.
AdoTable logTable(std::vector<std::vector<AdoValue>> rows = {});

// A failing call: its code, and ADO's description of it when there is one.
struct AdoFailure {
  HRESULT code;
  std::wstring description;  // empty: the call leaves no error object
};

struct AdoState;

class AdoConnectionDouble {
 public:
  AdoConnectionDouble();
  ~AdoConnectionDouble();
  AdoConnectionDouble(const AdoConnectionDouble&) = delete;
  AdoConnectionDouble& operator=(const AdoConnectionDouble&) = delete;

  // The connection as a host puts it into the record's Connection field.
  std::int32_t recordField() const;

  void serve(const std::wstring& table, AdoTable contents);
  void failExecute(AdoFailure failure);
  // MoveNext fails when it would leave the row of this number (0 is the first).
  void failMoveNextFrom(std::size_t row, AdoFailure failure);
  // Leaves an error object on the thread, as a host's own failed call can.
  void leaveErrorObject(const std::wstring& description);
  // As a host closing its connection: every open recordset is closed, and
  // nothing runs on it until it is opened again.
  void closeConnection();
  void reopenConnection();

  const std::vector<std::wstring>& commands() const;
  const std::vector<long>& commandOptions() const;
  // Recordsets, Fields and Field objects that still have a reference.
  int liveObjects() const;
  int openRecordsets() const;
  int recordsetsClosedByTheReader() const;
  // Interfaces asked of any object by QueryInterface.
  const std::vector<IID>& askedInterfaces() const;

 private:
  std::unique_ptr<AdoState> state_;
  void* connection_;
};

}  // namespace q9xtest
