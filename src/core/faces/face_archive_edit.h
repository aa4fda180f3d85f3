#pragma once
// Making a new face in an archive's bytes: appended as the next face, or in the place of face k.
// The new face takes the sizes of the archive's faces (which must all be alike) and every byte the
// game keeps for its own from the face it is modelled on: the face header's tag and last two bytes, the
// index entry's first 16 bytes, and the unused fourth byte of each pixel together with the pixels that
// are stored but not drawn. Every other face keeps its bytes, and the archive header its signature and
// last word.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "face_archive.h"
#include "picture_scaling.h"

namespace busho {

// An archive as much of it as a new face needs; a face count of 0 is an archive still empty.
struct ArchiveLayout {
    KaoHeader Header;
    std::vector<KaoIndexEntry> Index;
    std::vector<KaoFaceHeader> Faces;
};

// The layout of the archive in `bytes`, with every face checked as a reader checks it before drawing,
// and no face inside the header or the index. Faces of different sizes are refused (a new face could
// not be made to fit them all).
Result<ArchiveLayout> ReadArchiveLayout(std::span<const std::uint8_t> bytes);

// The stored pixels of a face of `model`'s sizes made from the crop of the picture: the crop is cut to
// the face's proportions around its centre and scaled to Width x Height; what is not drawn, and the
// fourth byte of every pixel, comes from `modelPixels` (zeros where it holds none).
std::vector<std::uint32_t> MakeFacePixels(const KaoFaceHeader& model, std::span<const std::uint32_t> modelPixels,
                                          const Picture& picture, const CropRect& crop);

// The archive with the picture appended as face FaceCount. An empty archive takes its sizes and the
// game's bytes from face 0 of `sizeSource` (the standard archive of the same size), which is needed
// only then.
Result<std::vector<std::uint8_t>> AppendFace(std::span<const std::uint8_t> archive, std::span<const std::uint8_t> sizeSource,
                                             const Picture& picture, const CropRect& crop);

// The archive with face k's pixels made from the picture; its header and every other byte stay.
Result<std::vector<std::uint8_t>> ReplaceFace(std::span<const std::uint8_t> archive, std::int32_t k, const Picture& picture,
                                              const CropRect& crop);

// Face k's stored pixels as the archive holds them.
std::vector<std::uint32_t> StoredPixels(std::span<const std::uint8_t> archive, const KaoIndexEntry& entry,
                                        const KaoFaceHeader& header);

}  // namespace busho
