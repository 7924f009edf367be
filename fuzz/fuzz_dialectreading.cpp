#include "check/DialectReading.h"

#include <cstdint>

namespace {
volatile qsizetype sink;
}

// One reply line as the register may send it to each request whose reply shows one of its habits.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reply = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    DialectReading::Replies replies;
    for (const char* request : {"nongletserveur", "enc$", "listesupp", "naclav2_1", "stgcuis1", "nacuistot", "ctnform"})
        replies.byRequest[QString::fromLatin1(request)] = reply;
    replies.lfEndings = int(size % 3);
    qsizetype seen = 0;
    for (const RegisterCheckReport::DialectChoice& choice : DialectReading::read(replies))
        seen += choice.value.size() + choice.note.size();
    sink = seen;
    return 0;
}
