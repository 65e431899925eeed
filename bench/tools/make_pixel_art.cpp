// make-pixel-art OUT WIDTH HEIGHT LAYERS: writes a document of pixel-art
// layers (the benchmarks' pictures) in the format of OUT's extension, as the
// input of the command-line benchmarks.
#include <cstdio>
#include <cstdlib>

#include "formats/document_export.h"
#include "formats/serializer_list.h"
#include "formats/standard_serializers.h"
#include "model/stipplebox_data.h"
#include "support/pixel_art.h"

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: make-pixel-art OUT WIDTH HEIGHT LAYERS\n");
        return 2;
    }
    CSerializerList serializers;
    AddStandardSerializers(serializers);
    auto* serializer = dynamic_cast<CSerializerImage*>(serializers.Find(argv[1], CSerializer::kCanWrite));
    if (serializer == nullptr) {
        std::fprintf(stderr, "no format for %s\n", argv[1]);
        return 1;
    }
    auto document = MakePixelArtDocument(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), 12);
    if (!WriteDocument(*serializer, argv[1], *document)) {
        std::fprintf(stderr, "%s\n", serializer->GetErrorText().c_str());
        return 1;
    }
    return 0;
}
