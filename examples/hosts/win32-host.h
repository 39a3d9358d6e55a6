/* The example Windows host's work, apart from its main so that a test can
 * hand it a connection of its own. */
#ifndef Q9X_WIN32_HOST_H
#define Q9X_WIN32_HOST_H
#include <stdio.h>
#include <unknwn.h>
#ifdef __cplusplus
extern "C" {
#endif
/* Loads q9xcup.dll beside the program, scores one contact over the ADO
 * connection and the log table, writes what it sees to out; 0 on success. */
int win32HostScore(IUnknown* adoConnection, const char* table, FILE* out);
#ifdef __cplusplus
}
#endif
#endif
