// The double's objects are written against ADO's interfaces as mingw-w64
// declares them for C++ (the build gives this file -fpermissive for that
// header). Their tables of functions are built here, slot by slot, with only
// the calls the plug-in may make filled in.
#include "tests/win32/AdoDouble.h"

#include <oleauto.h>
#include <adoint.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace q9xtest {

struct Recordset;

struct AdoState {
  std::map<std::wstring, AdoTable> tables;
  std::optional<AdoFailure> executeFailure;
  std::optional<std::pair<std::size_t, AdoFailure>> moveNextFailure;
  std::vector<std::wstring> commands;
  std::vector<long> options;
  std::vector<IID> asked;
  std::vector<Recordset*> open;
  bool closed = false;
  int live = 0;
  int closedByReader = 0;
};

namespace {

const AdoFailure kClosed{static_cast<HRESULT>(0x800A0E78),
                         L"Operation is not allowed when the object is closed."};
const AdoFailure kNoSuchItem{static_cast<HRESULT>(0x800A0CC1),
                             L"Item cannot be found in the collection corresponding to the "
                             L"requested name or ordinal."};

HRESULT fail(const AdoFailure& failure)
{
  ::SetErrorInfo(0, nullptr);
  if (failure.description.empty()) return failure.code;
  ICreateErrorInfo* create = nullptr;
  if (SUCCEEDED(::CreateErrorInfo(&create))) {
    create->SetDescription(const_cast<LPOLESTR>(failure.description.c_str()));
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
      ::SetErrorInfo(0, info);
      info->Release();
    }
    create->Release();
  }
  return failure.code;
}

// The slot of an interface's function in its table of functions, from a
// pointer to it as GCC's ABI encodes one to a virtual function: the slot's
// byte offset plus one.
template <class Method>
std::size_t slotOf(Method method)
{
  struct {
    std::uintptr_t offsetPlusOne;
    std::ptrdiff_t adjust;
  } encoded;
  static_assert(sizeof encoded == sizeof method);
  std::memcpy(&encoded, &method, sizeof encoded);
  return (encoded.offsetPlusOne - 1) / sizeof(void*);
}

// A table of functions in which every slot not set stays empty.
struct FunctionTable {
  std::array<const void*, 256> slots{};
  template <class Method, class Function>
  void set(Method method, Function function)
  {
    slots[slotOf(method)] = reinterpret_cast<const void*>(function);
  }
};

// Every object of the double starts with its table of functions, so that a
// pointer to it is a pointer to its interface; all are counted while alive.
struct Object {
  Object(const FunctionTable& t, AdoState* s) : table(t.slots.data()), state(s) { ++state->live; }
  ~Object() { --state->live; }
  const void* const* table;
  AdoState* state;
  ULONG refs = 1;
};

template <class Derived>
Derived* self(void* iface)
{
  return static_cast<Derived*>(static_cast<Object*>(iface));
}

// IUnknown: every object answers only IUnknown itself, and records what was asked.
void setUnknown(FunctionTable& table)
{
  using QueryInterface = HRESULT (STDMETHODCALLTYPE IUnknown::*)(REFIID, void**);
  table.set(static_cast<QueryInterface>(&IUnknown::QueryInterface), +[](void* iface, REFIID iid, void** out) STDMETHODCALLTYPE -> HRESULT {
    Object* object = static_cast<Object*>(iface);
    object->state->asked.push_back(iid);
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown)) return E_NOINTERFACE;
    ++object->refs;
    *out = iface;
    return S_OK;
  });
  table.set(&IUnknown::AddRef, +[](void* iface) STDMETHODCALLTYPE -> ULONG { return ++static_cast<Object*>(iface)->refs; });
}

}  // namespace

struct Recordset : Object {
  Recordset(AdoState* s, const AdoTable* t);
  ~Recordset() { closeSilently(); }
  void closeSilently()
  {
    if (closed) return;
    closed = true;
    state->open.erase(std::find(state->open.begin(), state->open.end(), this));
  }
  _Recordset* iface() { return reinterpret_cast<_Recordset*>(static_cast<Object*>(this)); }

  const AdoTable* table;
  std::size_t row = 0;
  bool closed = false;
};

namespace {

// An object that holds a reference to its recordset.
struct RecordsetPart : Object {
  RecordsetPart(const FunctionTable& t, Recordset* r) : Object(t, r->state), recordset(r) { ++r->refs; }
  ~RecordsetPart() { recordset->iface()->Release(); }
  Recordset* recordset;
};

struct FieldObject : RecordsetPart {
  FieldObject(Recordset* r, std::size_t c);
  std::size_t column;
};

struct FieldsObject : RecordsetPart {
  explicit FieldsObject(Recordset* r);
};

struct ConnectionObject : Object {
  explicit ConnectionObject(AdoState* s);
};

// Release for objects of the given kind.
template <class Derived>
void setRelease(FunctionTable& table)
{
  table.set(&IUnknown::Release, +[](void* iface) STDMETHODCALLTYPE -> ULONG {
    Derived* object = self<Derived>(iface);
    const ULONG left = --object->refs;
    if (left == 0) delete object;
    return left;
  });
}

HRESULT valueOf(const AdoValue& value, VARIANT* out)
{
  ::VariantInit(out);
  out->vt = value.type;
  switch (value.type) {
    case VT_BSTR: out->bstrVal = ::SysAllocStringLen(value.text.data(), static_cast<UINT>(value.text.size())); break;
    case VT_I4: out->lVal = static_cast<LONG>(value.number); break;
    case VT_R8: out->dblVal = value.number; break;
    case VT_BOOL: out->boolVal = value.number != 0 ? VARIANT_TRUE : VARIANT_FALSE; break;
    default: break;
  }
  return S_OK;
}

const AdoFailure kAtEnd{static_cast<HRESULT>(0x800A0BCD), L"Either BOF or EOF is True."};

const FunctionTable fieldTable = [] {
  FunctionTable t;
  setUnknown(t);
  setRelease<FieldObject>(t);
  t.set(&Field::get_Value, +[](void* iface, VARIANT* out) STDMETHODCALLTYPE -> HRESULT {
    FieldObject* f = self<FieldObject>(iface);
    Recordset* r = f->recordset;
    if (r->closed) return fail(kClosed);
    if (r->row >= r->table->rows.size()) return fail(kAtEnd);
    return valueOf(r->table->rows[r->row][f->column], out);
  });
  return t;
}();

const FunctionTable fieldsTable = [] {
  FunctionTable t;
  setUnknown(t);
  setRelease<FieldsObject>(t);
  t.set(&Fields::get_Item, +[](void* iface, VARIANT index, Field** out) STDMETHODCALLTYPE -> HRESULT {
    *out = nullptr;
    Recordset* r = self<FieldsObject>(iface)->recordset;
    if (r->closed) return fail(kClosed);
    if (index.vt != VT_BSTR) return fail({E_INVALIDARG, L"The double finds fields by name only."});
    const auto& columns = r->table->columns;
    const auto at = std::find(columns.begin(), columns.end(), std::wstring(index.bstrVal));
    if (at == columns.end()) return fail(kNoSuchItem);
    *out = reinterpret_cast<Field*>(
        static_cast<Object*>(new FieldObject(r, static_cast<std::size_t>(at - columns.begin()))));
    return S_OK;
  });
  return t;
}();

const FunctionTable recordsetTable = [] {
  FunctionTable t;
  setUnknown(t);
  setRelease<Recordset>(t);
  t.set(&_Recordset::get_EOF, +[](void* iface, VARIANT_BOOL* atEnd) STDMETHODCALLTYPE -> HRESULT {
    Recordset* r = self<Recordset>(iface);
    if (r->closed) return fail(kClosed);
    *atEnd = r->row >= r->table->rows.size() ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  });
  t.set(&_Recordset::MoveNext, +[](void* iface) STDMETHODCALLTYPE -> HRESULT {
    Recordset* r = self<Recordset>(iface);
    if (r->closed) return fail(kClosed);
    if (r->row >= r->table->rows.size()) return fail(kAtEnd);
    const auto& failure = r->state->moveNextFailure;
    if (failure && r->row >= failure->first) return fail(failure->second);
    ++r->row;
    return S_OK;
  });
  t.set(&_Recordset::get_Fields, +[](void* iface, Fields** out) STDMETHODCALLTYPE -> HRESULT {
    Recordset* r = self<Recordset>(iface);
    *out = nullptr;
    if (r->closed) return fail(kClosed);
    *out = reinterpret_cast<Fields*>(static_cast<Object*>(new FieldsObject(r)));
    return S_OK;
  });
  t.set(&_Recordset::Close, +[](void* iface) STDMETHODCALLTYPE -> HRESULT {
    Recordset* r = self<Recordset>(iface);
    if (r->closed) return fail(kClosed);
    r->closeSilently();
    ++r->state->closedByReader;
    return S_OK;
  });
  return t;
}();

std::wstring tableOf(const std::wstring& command)
{
  const std::wstring head = L"Select * from ", tail = L" order by CallSign";
  if (command.size() < head.size() + tail.size() || command.compare(0, head.size(), head) != 0 ||
      command.compare(command.size() - tail.size(), tail.size(), tail) != 0)
    return {};
  return command.substr(head.size(), command.size() - head.size() - tail.size());
}

const FunctionTable connectionTable = [] {
  FunctionTable t;
  setUnknown(t);
  setRelease<ConnectionObject>(t);
  t.set(&_Connection::Execute,
        +[](void* iface, BSTR text, VARIANT*, long options, _Recordset** out) STDMETHODCALLTYPE -> HRESULT {
          AdoState* state = self<ConnectionObject>(iface)->state;
          *out = nullptr;
          const std::wstring command(text, ::SysStringLen(text));
          state->commands.push_back(command);
          state->options.push_back(options);
          if (state->closed) return fail(kClosed);
          if (state->executeFailure) return fail(*state->executeFailure);
          const auto table = state->tables.find(tableOf(command));
          if (table == state->tables.end())
            return fail({static_cast<HRESULT>(0x80040E37), L"Invalid object name '" + tableOf(command) + L"'."});
          *out = (new Recordset(state, &table->second))->iface();
          return S_OK;
        });
  return t;
}();

FieldObject::FieldObject(Recordset* r, std::size_t c) : RecordsetPart(fieldTable, r), column(c) {}
FieldsObject::FieldsObject(Recordset* r) : RecordsetPart(fieldsTable, r) {}
ConnectionObject::ConnectionObject(AdoState* s) : Object(connectionTable, s) {}

}  // namespace

Recordset::Recordset(AdoState* s, const AdoTable* t) : Object(recordsetTable, s), table(t)
{
  state->open.push_back(this);
}

AdoTable logTable(std::vector<std::vector<AdoValue>> rows)
{
  return {{L"CallSign", L"DigiBand", L"QSOMode", L"Continent", L"QSOReportRecived", L"MainPrefix", L"DXCCPrefix"},
          std::move(rows)};
}

AdoConnectionDouble::AdoConnectionDouble() : state_(std::make_unique<AdoState>())
{
  Object* connection = new ConnectionObject(state_.get());
  --state_->live;  // the connection is the test's, not counted among the reader's objects
  connection_ = connection;
}

AdoConnectionDouble::~AdoConnectionDouble()
{
  ++state_->live;
  static_cast<IUnknown*>(connection_)->Release();
}

std::int32_t AdoConnectionDouble::recordField() const
{
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(connection_));
}

void AdoConnectionDouble::serve(const std::wstring& table, AdoTable contents)
{
  state_->tables[table] = std::move(contents);
}
void AdoConnectionDouble::failExecute(AdoFailure failure) { state_->executeFailure = std::move(failure); }
void AdoConnectionDouble::failMoveNextFrom(std::size_t row, AdoFailure failure)
{
  state_->moveNextFailure.emplace(row, std::move(failure));
}
void AdoConnectionDouble::leaveErrorObject(const std::wstring& description)
{
  fail({E_FAIL, description});
}
void AdoConnectionDouble::closeConnection()
{
  state_->closed = true;
  while (!state_->open.empty()) state_->open.back()->closeSilently();
}
void AdoConnectionDouble::reopenConnection() { state_->closed = false; }
const std::vector<std::wstring>& AdoConnectionDouble::commands() const { return state_->commands; }
const std::vector<long>& AdoConnectionDouble::commandOptions() const { return state_->options; }
int AdoConnectionDouble::liveObjects() const { return state_->live; }
int AdoConnectionDouble::openRecordsets() const { return static_cast<int>(state_->open.size()); }
int AdoConnectionDouble::recordsetsClosedByTheReader() const { return state_->closedByReader; }
const std::vector<IID>& AdoConnectionDouble::askedInterfaces() const { return state_->asked; }

}  // namespace q9xtest
