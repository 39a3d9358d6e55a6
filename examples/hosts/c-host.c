/*
 * c-host: a host in plain C that loads the Q9X-CUP-DIGI plug-in with dlopen
 * and scores contacts without a log of its own.
 *
 *   c-host PATH/libq9xcup.so
 *
 * A host without Qt cannot hand the plug-in a Qt SQL connection, so the
 * plug-in's first count of the log fails and it says so in an error box.
 * A logger would let the operator press OK; this program runs unattended,
 * so while _Run is busy a GLib timeout ends the box's event loop (Qt on
 * Linux dispatches through the default GLib context). After that the
 * plug-in counts what it is given through _AddQSO.
 */
#include <dlfcn.h>
#include <stdio.h>
#include <string.h>

#include "plugin/q9xcup.h"

/* Helpers found at run time in the libraries the plug-in brought in. */
typedef unsigned (*TimeoutAddFn)(unsigned, int (*)(void*), void*);
typedef int (*SourceRemoveFn)(unsigned);
typedef void (*QtExitFn)(int);                  /* QCoreApplication::exit(int) */
typedef void (*QtSendPostedFn)(void*, int);     /* QCoreApplication::sendPostedEvents(QObject*, int) */
enum { QT_DEFERRED_DELETE = 52 };

static QtExitFn qtExit;
static int insideRun;

static int dismissErrorBox(void* unused)
{
  (void)unused;
  if (insideRun && qtExit) qtExit(0);
  return 1; /* keep the timeout until it is removed */
}

static void setText(TShortString field, const char* text)
{
  q9x_write_short(field, text, strlen(text));
}

static void* need(void* library, const char* name)
{
  void* symbol = dlsym(library, name);
  if (!symbol) fprintf(stderr, "c-host: the plug-in does not export %s\n", name);
  return symbol;
}

int main(int argc, char** argv)
{
  if (argc != 2) {
    fprintf(stderr, "usage: c-host PATH/libq9xcup.so\n");
    return 2;
  }
  void* plugin = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (!plugin) {
    fprintf(stderr, "c-host: %s\n", dlerror());
    return 1;
  }
  q9x_get_info_fn getInfo = (q9x_get_info_fn)need(plugin, "_GetInfo");
  q9x_run_fn run = (q9x_run_fn)need(plugin, "_Run");
  q9x_get_score_fn getScore = (q9x_get_score_fn)need(plugin, "_GetScore");
  q9x_add_qso_fn addQso = (q9x_add_qso_fn)need(plugin, "_AddQSO");
  q9x_grab_number_fn grabNumber = (q9x_grab_number_fn)need(plugin, "_GrabNumber");
  q9x_release_fn release = (q9x_release_fn)need(plugin, "_Release");
  if (!getInfo || !run || !getScore || !addQso || !grabNumber || !release) return 1;

  TPluginInfo info;
  memset(&info, 0, sizeof info);
  getInfo(&info);
  printf("Plug-in: %.*s\n", info.PluginName[0], (const char*)info.PluginName + 1);

  void* glib = dlopen("libglib-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
  void* qtCore = dlopen("libQt6Core.so.6", RTLD_NOW | RTLD_NOLOAD);
  TimeoutAddFn timeoutAdd = glib ? (TimeoutAddFn)dlsym(glib, "g_timeout_add") : NULL;
  SourceRemoveFn sourceRemove = glib ? (SourceRemoveFn)dlsym(glib, "g_source_remove") : NULL;
  qtExit = qtCore ? (QtExitFn)dlsym(qtCore, "_ZN16QCoreApplication4exitEi") : NULL;
  QtSendPostedFn sendPosted =
      qtCore ? (QtSendPostedFn)dlsym(qtCore, "_ZN16QCoreApplication16sendPostedEventsEP7QObjecti") : NULL;

  static TPluginRecord rec; /* 5916 bytes: static keeps them off the stack */
  memset(&rec, 0, sizeof rec);
  rec.Connection = 0;
  setText(rec.TableName, "Log");
  setText(rec.CaptionText, "c-host");
  setText(rec.MyMainPrefix, "UA3A");

  unsigned timeout = timeoutAdd ? timeoutAdd(200, dismissErrorBox, NULL) : 0;
  insideRun = 1;
  intptr_t window = run(0, &rec);
  insideRun = 0;
  if (timeout && sourceRemove) sourceRemove(timeout);
  if (window == 0) {
    fprintf(stderr, "c-host: the plug-in opened no window; it scores nothing without one\n");
    return 1;
  }

  /* Callsign, band, mode, exchange, main prefix, DXCC prefix. */
  static const char* const contacts[][6] = {
      {"R3AA", "7", "RTTY", "599 AB", "UA3A", "UA3A"},
      {"RA4XY", "3.5", "RTTY", "599 SA22", "UA4", "UA"},
      {"DL1ABC", "14", "FT4", "599 001", "DL", "DL"},
      {"R3AA", "7", "RTTY", "599 AB", "UA3A", "UA3A"},
  };
  int total = 0;
  for (size_t i = 0; i < sizeof contacts / sizeof contacts[0]; ++i) {
    setText(rec.CallSign, contacts[i][0]);
    setText(rec.DigiBand, contacts[i][1]);
    setText(rec.QSOMode, contacts[i][2]);
    setText(rec.QSOReportRecived, contacts[i][3]);
    setText(rec.MainPrefix, contacts[i][4]);
    setText(rec.DXCCPrefix, contacts[i][5]);
    unsigned char code[256] = {0};
    grabNumber(&rec, code);
    int32_t worth = getScore(&rec);
    int32_t counted = addQso(&rec);
    printf("%-7s %-4s %-5s proposed \"%.*s\", worth %d, counted %d\n", contacts[i][0], contacts[i][1],
           contacts[i][2], code[0], (const char*)code + 1, worth, counted);
    if (counted > 0) total += counted;
  }
  printf("Points counted: %d\n", total);

  /* The windows go when deferred deletions run, while Qt still works. */
  release();
  if (sendPosted) sendPosted(NULL, QT_DEFERRED_DELETE);
  return 0;
}
