/* A host without Qt of its own: a plain C program that loads the plug-in with
 * dlopen, runs it, scores a contact, releases it and exits. Run as
 *   c_host LIBRARY          a platform can be opened: everything must work
 *   c_host LIBRARY refused  no platform can be opened: _Run must answer 0 and
 *                           say why on standard error
 * It exits with status 0 only when every answer was right, and it must get
 * through the process's exit too. */
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

typedef unsigned char ShortString[256];

/* The record layouts the host boundary fixes. */
typedef struct {
  ShortString PluginName;
  int32_t PluginValue;
  ShortString HostId;
  int32_t HostValue;
} PluginInfo;

enum { kRecordSize = 5916 };
enum { kTableName = 12, kCallSign = 268, kDigiBand = 540, kQsoMode = 796, kReport = 1308,
       kMainPrefix = 2332, kDxccPrefix = 2588, kCaption = 3868, kMyMainPrefix = 4380 };

static int failures = 0;

static void check(int ok, const char* what)
{
  if (!ok) {
    fprintf(stderr, "c_host: %s\n", what);
    ++failures;
  }
}

static void setShort(unsigned char* record, int offset, const char* text)
{
  record[offset] = (unsigned char)strlen(text);
  memcpy(record + offset + 1, text, strlen(text));
}

static void* need(void* library, const char* name)
{
  void* f = dlsym(library, name);
  if (!f) {
    fprintf(stderr, "c_host: no %s\n", name);
    exit(2);
  }
  return f;
}

/* Standard error while f runs, as text. */
static char* stderrOf(intptr_t (*run)(intptr_t, const void*), const void* rec, intptr_t* result)
{
  static char text[4096];
  FILE* capture = tmpfile();
  int saved = dup(2);
  fflush(stderr);
  dup2(fileno(capture), 2);
  *result = run(0, rec);
  fflush(stderr);
  dup2(saved, 2);
  close(saved);
  rewind(capture);
  size_t n = fread(text, 1, sizeof text - 1, capture);
  text[n] = 0;
  fclose(capture);
  return text;
}

int main(int argc, char** argv)
{
  if (argc < 2) return 2;
  const int refused = argc > 2 && strcmp(argv[2], "refused") == 0;
  void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    fprintf(stderr, "c_host: %s\n", dlerror());
    return 2;
  }
  void (*getInfo)(PluginInfo*) = (void (*)(PluginInfo*))need(library, "_GetInfo");
  intptr_t (*run)(intptr_t, const void*) = (intptr_t (*)(intptr_t, const void*))need(library, "_Run");
  int32_t (*getScore)(const void*) = (int32_t (*)(const void*))need(library, "_GetScore");
  int32_t (*addQso)(const void*) = (int32_t (*)(const void*))need(library, "_AddQSO");
  void (*grabNumber)(const void*, unsigned char*) =
      (void (*)(const void*, unsigned char*))need(library, "_GrabNumber");
  void (*release)(void) = (void (*)(void))need(library, "_Release");

  PluginInfo info;
  memset(&info, 0, sizeof info);
  getInfo(&info);
  check(info.PluginName[0] == 12 && memcmp(info.PluginName + 1, "Q9X-CUP-DIGI", 12) == 0, "_GetInfo name");

  static unsigned char rec[kRecordSize];
  setShort(rec, kTableName, "Log");
  setShort(rec, kCaption, "C host");
  setShort(rec, kMyMainPrefix, "UA3A");
  setShort(rec, kCallSign, "UA3ABC");
  setShort(rec, kDigiBand, "7");
  setShort(rec, kQsoMode, "RTTY");
  setShort(rec, kReport, "599 AB");
  setShort(rec, kMainPrefix, "UA3A");
  setShort(rec, kDxccPrefix, "UA3A");

  intptr_t window = 0;
  const char* said = stderrOf(run, rec, &window);
  if (refused) {
    check(window == 0, "_Run opened a window without a platform");
    check(strstr(said, "cannot open its windows") != NULL, "_Run gave no reason on standard error");
    check(addQso(rec) == 0, "_AddQSO answered without a window");
    release();
    return failures ? 1 : 0;
  }
  check(window != 0, "_Run opened no window");
  unsigned char area[256];
  grabNumber(rec, area);
  check(area[0] == 2 && memcmp(area + 1, "AB", 2) == 0, "_GrabNumber gave no area code");
  check(getScore(rec) == 1, "_GetScore");
  check(addQso(rec) == 1, "_AddQSO");
  check(getScore(rec) == -1, "_GetScore of a repeat");
  release();
  check(addQso(rec) == 0, "_AddQSO after _Release");

  /* Open again and leave the window up: the process's exit must get through. */
  check(run(0, rec) != 0, "second _Run");
  return failures ? 1 : 0;
}
