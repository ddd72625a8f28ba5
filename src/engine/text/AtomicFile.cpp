#include "engine/text/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "engine/Errors.h"

namespace engine {

void WriteFileAtomically(const std::string& path, std::string_view content) {
    std::string tmp = path + ".tmp-XXXXXX";
    int fd = mkstemp(tmp.data());
    if (fd < 0)
        throw FileError("Não foi possível gravar o arquivo " + path + ": " + std::strerror(errno));
    auto fail = [&](const char* what) {
        int err = errno;
        ::close(fd);
        ::unlink(tmp.c_str());
        throw FileError(std::string("Não foi possível gravar o arquivo ") + path + " (" + what + "): " +
                        std::strerror(err));
    };
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail("escrita");
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fchmod(fd, 0644) != 0) fail("permissões");
    if (::fsync(fd) != 0) fail("sincronização");
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        throw FileError("Não foi possível gravar o arquivo " + path + ": " + std::strerror(err));
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        throw FileError("Não foi possível gravar o arquivo " + path + ": " + std::strerror(err));
    }
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileError("Não foi possível abrir o arquivo " + path + ".");
    // Large drawings are read in one piece when the size is known (a string stream
    // copies them several times over); files of unknown size go through the stream.
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size > 0) {
        std::string content(static_cast<std::size_t>(size), '\0');
        in.seekg(0, std::ios::beg);
        in.read(content.data(), size);
        if (in.bad()) throw FileError("Erro ao ler o arquivo " + path + ".");
        content.resize(static_cast<std::size_t>(in.gcount()));
        return content;
    }
    in.clear();
    in.seekg(0, std::ios::beg);
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) throw FileError("Erro ao ler o arquivo " + path + ".");
    return ss.str();
}

}  // namespace engine
