/*
 * Q9X-CUP-DIGI contest-scoring plug-in: the binary interface a host logger uses.
 *
 * The host loads the library and calls the six functions below, all on its
 * user-interface thread, one at a time. Records are fixed byte layouts: every
 * offset and size here is binding for hosts built separately.
 *
 * Texts are short strings: byte 0 holds the length (0..255), the text follows
 * in the host's 8-bit code page, with no terminating byte.
 */
#ifndef Q9XCUP_H
#define Q9XCUP_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define Q9X_CALL __stdcall
#else
#define Q9X_CALL
#endif

/* Q9X_BUILDING_PLUGIN is defined only while the plug-in itself is compiled. */
#if defined(Q9X_BUILDING_PLUGIN) && defined(_WIN32)
#define Q9X_API __declspec(dllexport)
#elif defined(Q9X_BUILDING_PLUGIN)
#define Q9X_API __attribute__((visibility("default")))
#else
#define Q9X_API
#endif

#ifdef __cplusplus
#define Q9X_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
extern "C" {
#else
#define Q9X_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

/* The most bytes of text a short string holds. */
#define Q9X_SHORT_STRING_MAX 255
/* Bytes of a short string: the length byte and the text. */
#define Q9X_SHORT_STRING_SIZE (Q9X_SHORT_STRING_MAX + 1)

typedef unsigned char TShortString[Q9X_SHORT_STRING_SIZE];

/* Points *text at the short string's text and returns its length. */
static inline size_t q9x_read_short(const unsigned char* field, const char** text)
{
  *text = (const char*)(field + 1);
  return field[0];
}

/* Stores the first Q9X_SHORT_STRING_MAX bytes of text at most, and returns
 * how many were stored; the field's bytes after them stay as they were. */
static inline size_t q9x_write_short(unsigned char* field, const char* text, size_t length)
{
  size_t i;
  if (length > Q9X_SHORT_STRING_MAX) length = Q9X_SHORT_STRING_MAX;
  field[0] = (unsigned char)length;
  for (i = 0; i < length; ++i) field[i + 1] = (unsigned char)text[i];
  return length;
}

/* Identity of the plug-in, filled by _GetInfo into a host-owned buffer. */
typedef struct TPluginInfo {
  TShortString PluginName; /*   0: "Q9X-CUP-DIGI" */
  int32_t PluginValue;     /* 256: always 1 */
  TShortString HostId;     /* 260: "vextor_contest" */
  int32_t HostValue;       /* 516: always 1 */
} TPluginInfo;

/* The host's open log and the contact it is working on. The plug-in never
 * writes into the host's instance; the spans named HostData* belong to the
 * host and are only copied. */
typedef struct TPluginRecord {
  int32_t Connection;                /*    0: the host's log database connection */
  unsigned char HostData1[8];        /*    4 */
  TShortString TableName;            /*   12: the log table */
  TShortString CallSign;             /*  268: worked station */
  unsigned char HostData2[16];       /*  524 */
  TShortString DigiBand;             /*  540: band as MHz text: "1.8", "3.5", "7", ... "28" */
  TShortString QSOMode;              /*  796 */
  TShortString Continent;            /* 1052 */
  TShortString QSOReportRecived;     /* 1308: exchange received */
  unsigned char HostData3[768];      /* 1564 */
  TShortString MainPrefix;           /* 2332: worked station */
  TShortString DXCCPrefix;           /* 2588: worked station */
  unsigned char HostData4[1024];     /* 2844 */
  TShortString CaptionText;          /* 3868: starts the statistics window's caption */
  unsigned char HostData5[256];      /* 4124 */
  TShortString MyMainPrefix;         /* 4380: operator's own station */
  unsigned char HostData6[1280];     /* 4636 */
} TPluginRecord;

Q9X_STATIC_ASSERT(offsetof(TPluginInfo, PluginName) == 0, "PluginName offset");
Q9X_STATIC_ASSERT(offsetof(TPluginInfo, PluginValue) == 256, "PluginValue offset");
Q9X_STATIC_ASSERT(offsetof(TPluginInfo, HostId) == 260, "HostId offset");
Q9X_STATIC_ASSERT(offsetof(TPluginInfo, HostValue) == 516, "HostValue offset");
Q9X_STATIC_ASSERT(sizeof(TPluginInfo) == 520, "TPluginInfo size");

Q9X_STATIC_ASSERT(offsetof(TPluginRecord, Connection) == 0, "Connection offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, HostData1) == 4, "HostData1 offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, TableName) == 12, "TableName offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, CallSign) == 268, "CallSign offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, HostData2) == 524, "HostData2 offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, DigiBand) == 540, "DigiBand offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, QSOMode) == 796, "QSOMode offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, Continent) == 1052, "Continent offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, QSOReportRecived) == 1308, "QSOReportRecived offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, HostData3) == 1564, "HostData3 offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, MainPrefix) == 2332, "MainPrefix offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, DXCCPrefix) == 2588, "DXCCPrefix offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, HostData4) == 2844, "HostData4 offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, CaptionText) == 3868, "CaptionText offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, HostData5) == 4124, "HostData5 offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, MyMainPrefix) == 4380, "MyMainPrefix offset");
Q9X_STATIC_ASSERT(offsetof(TPluginRecord, HostData6) == 4636, "HostData6 offset");
Q9X_STATIC_ASSERT(sizeof(TPluginRecord) == 5916, "TPluginRecord size");

/* Writes the plug-in's identity into the 13 bytes of PluginName, PluginValue,
 * the 15 bytes of HostId and HostValue; no other byte of *info changes.
 * Needs no other call first. */
Q9X_API void Q9X_CALL _GetInfo(TPluginInfo* info);

/* Opens the plug-in: creates the statistics window from *rec (its log
 * connection, table and caption), shows and raises it, and returns its native
 * window id. A second call keeps the open window and ignores *rec. Returns 0
 * when the window could not be created; the reason is shown to the user. */
Q9X_API intptr_t Q9X_CALL _Run(intptr_t ignored, const TPluginRecord* rec);

/* Points the contact in *rec would earn (0, 1 or 5), or -1 when it repeats a
 * counted contact (same callsign, band and mode). Counts nothing. 0 while the
 * plug-in is not open. The record is copied; the host keeps ownership. */
Q9X_API int32_t Q9X_CALL _GetScore(const TPluginRecord* rec);

/* Counts the contact in *rec and returns its points (0, 1 or 5), or -1 for a
 * repeat, which is not counted. 0 while the plug-in is not open. */
Q9X_API int32_t Q9X_CALL _AddQSO(const TPluginRecord* rec);

/* Writes into the host's 256-byte buffer, as a short string, the area code a
 * station of the UA3A area is expected to send, from the area file; empty
 * when there is none or the plug-in is not open. */
Q9X_API void Q9X_CALL _GrabNumber(const TPluginRecord* rec, unsigned char result[256]);

/* Closes the plug-in: its windows and all counted figures are released once
 * control returns to the host's event loop. Never fails. */
Q9X_API void Q9X_CALL _Release(void);

/* Control IDs of the Windows build's windows, by which a host finds each
 * control among the window's descendants (GetDlgItem on the window that
 * holds it). The statistics window, whose handle _Run returns: */
#define Q9X_IDC_StringGrid1 101 /* list view, report view: item = row 0-3, subitem = column 0-4 */
#define Q9X_IDC_Label1 102      /* static control: the score line is its text */
#define Q9X_IDC_BitBtn1 103     /* button "Recalc" */
#define Q9X_IDC_btnOBL1 104     /* button "Q9X Area": opens the area window */
/* The area window (window class TfmDomList, owned by the statistics window): */
#define Q9X_IDC_LV1 201         /* list view, list mode: the area codes */
/* Its band buttons, push-like and exclusive; button n selects band n:
 * 1 "1.8", 2 "3.5", 3 "7", 4 "10", 5 "14", 6 "18", 7 "21", 8 "24", 9 "28". */
#define Q9X_IDC_RzBitBtn1 211
#define Q9X_IDC_RzBitBtn2 212
#define Q9X_IDC_RzBitBtn3 213
#define Q9X_IDC_RzBitBtn4 214
#define Q9X_IDC_RzBitBtn5 215
#define Q9X_IDC_RzBitBtn6 216
#define Q9X_IDC_RzBitBtn7 217
#define Q9X_IDC_RzBitBtn8 218
#define Q9X_IDC_RzBitBtn9 219

/* The six functions as a host that loads the library at run time resolves
 * them, by the names above (e.g. dlsym(library, "_GetInfo")). */
typedef void(Q9X_CALL* q9x_get_info_fn)(TPluginInfo* info);
typedef intptr_t(Q9X_CALL* q9x_run_fn)(intptr_t ignored, const TPluginRecord* rec);
typedef int32_t(Q9X_CALL* q9x_get_score_fn)(const TPluginRecord* rec);
typedef int32_t(Q9X_CALL* q9x_add_qso_fn)(const TPluginRecord* rec);
typedef void(Q9X_CALL* q9x_grab_number_fn)(const TPluginRecord* rec,
                                           unsigned char result[Q9X_SHORT_STRING_SIZE]);
typedef void(Q9X_CALL* q9x_release_fn)(void);

#ifdef __cplusplus
}

#include <string_view>

namespace q9x {

/* The field's text; a view into the field. */
inline std::string_view readShort(const TShortString& field)
{
  const char* text = nullptr;
  const size_t length = q9x_read_short(field, &text);
  return {text, length};
}

/* Stores the first Q9X_SHORT_STRING_MAX bytes of text at most. */
inline void writeShort(TShortString& field, std::string_view text)
{
  q9x_write_short(field, text.data(), text.size());
}

}  /* namespace q9x */
#endif

#endif /* Q9XCUP_H */
