#pragma once

#include <cerrno>
#include <cstring>

#include "FileProblems.h"

namespace trelvane {

// The C library's errors (errno) as reasons: the one table for them. A
// caller that knows more refines kNotFound and kAccessDenied (whether the
// folder is there, whether the file was to be made).
inline Problem ProblemOfErrno(int error) {
    switch (error) {
        case 0:
            return FileProblem::kWriteFailed;
        case ENOENT:
            return FileProblem::kNotFound;
        case ENOTDIR:
            return FileProblem::kFolderIsAFile;
        case EISDIR:
            return FileProblem::kNotAFile;
        case EACCES:
        case EPERM:
            return FileProblem::kAccessDenied;
        case EROFS:
            return FileProblem::kReadOnly;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return FileProblem::kDiskFull;
        case EBUSY:
        case ETXTBSY:
            return FileProblem::kInUse;
        default:
            return Problem::Other(std::strerror(error));
    }
}

}  // namespace trelvane
