#include "platform/win32/AdoLogReader.h"

// mingw-w64's ADO interface definitions need -fpermissive under g++; the
// build gives it to this file alone.
#include <windows.h>
#include <oleauto.h>
#include <adoint.h>

#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "engine/LogRow.h"
#include "engine/Text.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/HostText.h"

namespace q9x {

namespace {

// ADO's own code for a name that no field of the recordset has.
constexpr HRESULT kItemNotFound = adErrItemNotFound;

// ADO's description of the error when the failing call left one, else the
// code itself.
std::runtime_error adoError(HRESULT hr)
{
  ComPtr<IErrorInfo> info;
  if (::GetErrorInfo(0, info.put()) == S_OK && info) {
    Bstr description;
    if (SUCCEEDED(info->GetDescription(description.put())) && description.get() &&
        ::SysStringLen(description.get()) > 0)
      return std::runtime_error(toHostText({description.get(), ::SysStringLen(description.get())}));
  }
  char text[64];
  std::snprintf(text, sizeof text, "The log query failed: error 0x%08lX",
                static_cast<unsigned long>(hr));
  return std::runtime_error(text);
}

void check(HRESULT hr)
{
  if (FAILED(hr)) throw adoError(hr);
}

// A field's value as text: NULL and empty read as the empty text, any other
// value as the system converts it to text, as ADO does when a text is asked of it.
void readText(const VARIANT& value, std::string& into)
{
  if (value.vt == VT_NULL || value.vt == VT_EMPTY) {
    into.clear();
  } else if (value.vt == VT_BSTR) {
    toHostText({value.bstrVal, ::SysStringLen(value.bstrVal)}, into);
  } else {
    Variant text;
    // The source is only read; the declaration lacks its const.
    check(::VariantChangeTypeEx(text.put(), const_cast<VARIANT*>(&value), LOCALE_USER_DEFAULT,
                                VARIANT_ALPHABOOL, VT_BSTR));
    toHostText({text.get().bstrVal, ::SysStringLen(text.get().bstrVal)}, into);
  }
  cutToShortString(into);
}

class AdoLogReader final : public LogReader {
 public:
  explicit AdoLogReader(_Connection* connection) : connection_(connection)
  {
    for (std::size_t i = 0; i < kLogColumns.size(); ++i) columnNames_[i] = widenAscii(kLogColumns[i].name);
  }
  ~AdoLogReader() override { close(); }

  // Nothing runs yet: the host may close, reopen or write to its connection
  // while the pending events run, so the statement runs afterwards.
  void open(const std::string& tableName) override
  {
    close();
    if (!connection_) throw std::runtime_error("LogQuery: there is no database connection (Connection is 0)");
    statement_ = fromHostText(logStatement(tableName));
    pending_ = true;
  }

  void resumeAfterEvents() override
  {
    if (pending_) execute();
  }

  bool next(LogRow& row) override
  {
    if (pending_) execute();
    if (!recordset_) return false;
    try {
      if (started_) check(recordset_->MoveNext());
      VARIANT_BOOL atEnd = VARIANT_FALSE;
      check(recordset_->get_EOF(&atEnd));
      if (atEnd != VARIANT_FALSE) {
        close();
        return false;
      }
      started_ = true;
      for (std::size_t i = 0; i < kLogColumns.size(); ++i) {
        if (!fields_[i]) findField(i);
        check(fields_[i]->get_Value(value_.put()));
        readText(value_.get(), row.*kLogColumns[i].field);
      }
      return true;
    } catch (...) {
      // No recordset stays open while the error is shown: it could hold a
      // cursor, and with it a lock, on the host's table.
      close();
      throw;
    }
  }

  void close() override
  {
    pending_ = false;
    for (ComPtr<Field>& field : fields_) field.reset();
    value_.put();
    if (recordset_) {
      recordset_->Close();
      recordset_.reset();
    }
    started_ = false;
  }

 private:
  void execute()
  {
    pending_ = false;
    // The thread's error object may still hold an error of the host's own.
    ::SetErrorInfo(0, nullptr);
    Bstr command(statement_);
    check(connection_->Execute(command.get(), nullptr, adCmdText, recordset_.put()));
    if (!recordset_) throw adoError(E_POINTER);
  }

  // The columns are found by name on the first row, each just before its
  // value is read; the later rows read the same Field objects, which ADO
  // keeps on the current row.
  void findField(std::size_t i)
  {
    ComPtr<Fields> fields;
    check(recordset_->get_Fields(fields.put()));
    Variant name;
    VARIANT* index = name.put();
    index->vt = VT_BSTR;
    index->bstrVal = ::SysAllocString(columnNames_[i].c_str());
    const HRESULT hr = fields->get_Item(*index, fields_[i].put());
    if (hr == kItemNotFound) {
      ::SetErrorInfo(0, nullptr);
      throw std::runtime_error(std::string("LogQuery: Field '") + kLogColumns[i].name + "' not found");
    }
    check(hr);
    if (!fields_[i]) throw adoError(E_POINTER);
  }

  _Connection* connection_;
  std::wstring statement_;
  bool pending_ = false;
  ComPtr<_Recordset> recordset_;
  std::array<std::wstring, kLogColumns.size()> columnNames_;
  std::array<ComPtr<Field>, kLogColumns.size()> fields_;
  Variant value_;
  bool started_ = false;
};

}  // namespace

std::unique_ptr<LogReader> makeAdoLogReader(std::int32_t connection)
{
  return std::make_unique<AdoLogReader>(
      reinterpret_cast<_Connection*>(static_cast<std::intptr_t>(connection)));
}

}  // namespace q9x
