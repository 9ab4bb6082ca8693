#pragma once

// The two entry points an installer calls in libprepkit.so after copying the
// program. Both answer non-zero on success.
//
// DoIt(root): moves the installed data (everything but the "Program" and
// "Samples" folders, program and help files and "uninst.isu") from the
// installation folder `root` into the shared data folder, points the
// per-user library paths at it and opens the moved files to every user.
// Fails when no root is given or it is no folder, or when the shared data
// folder cannot be made or written (without root, say): the user's own one,
// which the program would use instead, is never opened to all. Whatever
// should have moved and did not (a file that cannot be copied, a folder that
// cannot be read) is named on standard error and left where it was while the
// rest moves, and the answer is then a failure.
//
// ModifyAccessPermission(folder): gives everyone full rights on every file
// and folder below `folder` (read and execute only on "*.lib*" files). The
// folder itself is left as it is; symbolic links are skipped, never followed.
#ifdef __cplusplus
extern "C" {
#endif

unsigned char DoIt(const char* root);
unsigned char ModifyAccessPermission(const char* folder);

#ifdef __cplusplus
}
#endif
