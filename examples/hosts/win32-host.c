/*
 * win32-host: a small Windows logger in plain C that loads q9xcup.dll,
 * opens its statistics window over the logger's ADO connection, asks the
 * points of a contact, counts it, reads the score line back and closes.
 *
 *   win32-host "ADO CONNECTION STRING" TABLE
 *
 * q9xcup.dll sits beside this program, and the area file in Plugins\ beside
 * it. Everything runs on this one thread, which pumps its message loop after
 * each call so that the plug-in's windows paint and its release completes.
 */
#define COBJMACROS
#include <windows.h>
#include <oleauto.h>
#include <stdio.h>
#include <string.h>

#include "examples/hosts/win32-host.h"
#include "plugin/q9xcup.h"

static void setText(TShortString field, const char* text) { q9x_write_short(field, text, strlen(text)); }

static void pumpMessages(void)
{
  MSG msg;
  while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

static FARPROC need(HMODULE dll, const char* name, FILE* out)
{
  FARPROC function = GetProcAddress(dll, name);
  if (!function) fprintf(out, "win32-host: q9xcup.dll does not export %s\n", name);
  return function;
}

int win32HostScore(IUnknown* adoConnection, const char* table, FILE* out)
{
  HMODULE dll = LoadLibraryA("q9xcup.dll");
  if (!dll) {
    fprintf(out, "win32-host: q9xcup.dll cannot be loaded (error %lu)\n", GetLastError());
    return 1;
  }
  q9x_run_fn run = (q9x_run_fn)(void*)need(dll, "_Run", out);
  q9x_get_score_fn getScore = (q9x_get_score_fn)(void*)need(dll, "_GetScore", out);
  q9x_add_qso_fn addQso = (q9x_add_qso_fn)(void*)need(dll, "_AddQSO", out);
  q9x_release_fn release = (q9x_release_fn)(void*)need(dll, "_Release", out);
  if (!run || !getScore || !addQso || !release) {
    FreeLibrary(dll);
    return 1;
  }

  /* The record is large: keep it off the stack. The plug-in only copies it. */
  static TPluginRecord rec;
  memset(&rec, 0, sizeof rec);
  /* The connection's interface pointer, as a 32-bit number. */
  rec.Connection = (int32_t)(intptr_t)adoConnection;
  setText(rec.TableName, table);
  setText(rec.CaptionText, "win32-host");
  setText(rec.MyMainPrefix, "UA3A");

  HWND window = (HWND)run(0, &rec);
  pumpMessages();
  if (!window) {
    fprintf(out, "win32-host: the plug-in did not open (it said why in a message box)\n");
    FreeLibrary(dll);
    return 1;
  }
  char line[256] = "";
  GetWindowTextA(GetDlgItem(window, Q9X_IDC_Label1), line, sizeof line);
  fprintf(out, "log: %s\n", line);

  /* The contact the operator is about to log. */
  setText(rec.CallSign, "RZ3AZZ");
  setText(rec.DigiBand, "7");
  setText(rec.QSOMode, "CW");
  setText(rec.Continent, "EU");
  setText(rec.QSOReportRecived, "599 AB");
  setText(rec.MainPrefix, "UA3A");
  setText(rec.DXCCPrefix, "UA3A");
  fprintf(out, "RZ3AZZ would earn %d\n", (int)getScore(&rec));
  fprintf(out, "RZ3AZZ counted for %d\n", (int)addQso(&rec));
  fprintf(out, "again it would earn %d\n", (int)getScore(&rec));
  pumpMessages();
  GetWindowTextA(GetDlgItem(window, Q9X_IDC_Label1), line, sizeof line);
  fprintf(out, "now: %s\n", line);

  release();
  pumpMessages(); /* the windows are destroyed here */
  FreeLibrary(dll);
  return 0;
}

#ifndef Q9X_EXAMPLE_NO_MAIN
/* Opens an ADODB.Connection on the connection string, as a logger does. */
static IDispatch* openConnection(const char* connectionString)
{
  CLSID clsid;
  IDispatch* connection = NULL;
  if (FAILED(CLSIDFromProgID(L"ADODB.Connection", &clsid)) ||
      FAILED(CoCreateInstance(&clsid, NULL, CLSCTX_INPROC_SERVER, &IID_IDispatch, (void**)&connection)))
    return NULL;
  OLECHAR* name = L"Open";
  DISPID open;
  if (FAILED(IDispatch_GetIDsOfNames(connection, &IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &open))) {
    IDispatch_Release(connection);
    return NULL;
  }
  wchar_t wide[1024];
  MultiByteToWideChar(CP_ACP, 0, connectionString, -1, wide, 1024);
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = SysAllocString(wide);
  DISPPARAMS params = {&argument, NULL, 1, 0};
  HRESULT hr = IDispatch_Invoke(connection, open, &IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, NULL,
                                NULL, NULL);
  VariantClear(&argument);
  if (FAILED(hr)) {
    IDispatch_Release(connection);
    return NULL;
  }
  return connection;
}

int main(int argc, char** argv)
{
  if (argc != 3) {
    fprintf(stderr, "usage: win32-host \"ADO CONNECTION STRING\" TABLE\n");
    return 2;
  }
  CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
  IDispatch* connection = openConnection(argv[1]);
  int result = 1;
  if (connection) {
    result = win32HostScore((IUnknown*)connection, argv[2], stdout);
    IDispatch_Release(connection);
  } else {
    fprintf(stderr, "win32-host: the ADO connection cannot be opened\n");
  }
  CoUninitialize();
  return result;
}
#endif
