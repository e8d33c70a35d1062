// The add-ins' line format: any bytes an add-in sends are split into lines and read field
// by field without harm, and every text read writes back and reads again the same.
#include "api_provider/wire_format.h"

#include <cstdint>
#include <cstdlib>

using Kivo::ApiProvider::LineSplitter;
using Kivo::ApiProvider::WireReader;
using Kivo::ApiProvider::WireWriter;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    LineSplitter splitter;
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    // Arriving in two pieces, as a socket may hand them over.
    splitter.append(bytes.left(bytes.size() / 2));
    splitter.append(bytes.mid(bytes.size() / 2));
    QByteArray line;
    while (splitter.next(&line)) {
        WireReader reader(line.trimmed());
        reader.kind();
        reader.number(-1000, 1000, "number");
        reader.int32("int32");
        const QString text = reader.text("text");
        const int count = reader.count("count");
        for (int i = 0; i < count; ++i)
            reader.text("entry");
        QString error;
        reader.finish(&error);

        WireReader again(WireWriter("echo").text(text).line().trimmed());
        if (again.text("text") != text || !again.finish(&error))
            std::abort();
    }
    return 0;
}
