// What the board says to a player who listens through a screen reader,
// besides the names of its cells: each utterance short, the picture and the
// outcome first, every word counted against the clock.
#pragma once

#include <QString>
#include <cstdint>

namespace mepo {

// A cell's name: its tile's picture in Chinese (企鹅), as the board draws it
// from the sheet, or 空 for an empty cell (code 0).
QString tileName(int code);

// A tile picked as the first of a pair.
inline QString pickedWords(const QString& picture) { return picture + QStringLiteral("，选中"); }
// The picked tile pressed again: nothing is picked any more.
inline QString unpickedWords(const QString& picture) { return picture + QStringLiteral("，取消选中"); }
// A pair that does not link (other pictures, or no path): nothing is picked.
inline QString refusedWords(const QString& picture) { return picture + QStringLiteral("，连不上，取消选中"); }
// A linked pair erased, and the score it brought the game to.
inline QString linkedWords(const QString& picture, int64_t score) {
    return picture + QStringLiteral("，消除，分数:") + QString::number(score);
}
// The time left and the score, asked for at any moment: the two labels'
// captions ("剩余时间:…秒", "分数:…").
inline QString statusWords(const QString& timeCaption, int64_t score) {
    return timeCaption + QStringLiteral("，分数:") + QString::number(score);
}

}  // namespace mepo
