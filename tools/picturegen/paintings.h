#pragma once

#include <QImage>

// The six pictures of the picture sets, 128 x 128 each, in the order of the
// options window's thumbnails. No two 32 x 32 pieces of a picture may look
// alike, or the player could not tell where each belongs: flat sky, shadow
// and grass carry stars, clouds, birds, flowers or texture.
namespace paintings {

constexpr int Size = 128;

QImage NumberedTiles(); // "Standard"
QImage Landscape();     // a painterly landscape
QImage Savanna();       // a sunset with a lion on a rock
QImage Palace();        // a domed white palace at dusk
QImage Castle();        // a castle on a hill
QImage Forest();        // a fantasy forest

} // namespace paintings
