#include "game/engine/turn_player.h"

namespace orbello {

namespace {

constexpr int kBallColumns = 24;

// Walk picture columns.
enum WalkColumn : int { kWalkRight = 0, kWalkLeft = 1, kWalkUp = 2, kWalkDown = 3 };

// The column of the step from q to p, or -1 for a step that is none of the four.
int WalkColumnOf(const TCellPoint& q, const TCellPoint& p) {
  if (p.X == q.X && p.Y > q.Y) {
    return kWalkDown;
  }
  if (p.X == q.X && p.Y < q.Y) {
    return kWalkUp;
  }
  if (p.X > q.X && p.Y == q.Y) {
    return kWalkRight;
  }
  if (p.X < q.X && p.Y == q.Y) {
    return kWalkLeft;
  }
  return -1;
}

}  // namespace

void TurnPlayer::PlayMove(const rules::MoveResult& move) {
  const TCellPoint s = move.from;
  const TCellPoint t = move.to;
  const int32_t z = move.color;
  // With the path shown the ball waits on its cell; otherwise it leaves it at once.
  if (settings_.ShowWalk) {
    DrawBall(kFrameRest, z, s.X, s.Y);
  } else {
    DrawEmpty(s.X, s.Y);
  }
  AnimateWalk(move.path, z, WalkMode::kShowing);
  if (settings_.ShowWalk) {
    AnimateWalk(move.path, z, WalkMode::kErasing);
  }
  DrawEmpty(s.X, s.Y);
  model_.Board[CellNumber(s.X, s.Y)].Color = kEmpty;
  model_.SelX = kNone;
  model_.SelY = kNone;
  DrawBall(kFrameRest, z, t.X, t.Y);
  model_.Board[CellNumber(t.X, t.Y)].Color = z;
  PlayRemoval(move.removal);
  model_ = move.moved;
  if (move.slot >= 0 && ShowsMarks()) {
    const TNextBall& r = move.moved.NextBalls[move.slot];
    if (move.reservation == rules::Reservation::kMarkAgain ||
        (move.reservation == rules::Reservation::kNewCellAnnounced && r.X != kNone)) {
      DrawBall(kFrameMark, r.Color, r.X, r.Y);
    }
  }
  if (move.end) {
    PlayTurnEnd(*move.end);
  }
}

void TurnPlayer::PlayTurnEnd(const rules::TurnEnd& end) {
  AnimateAppearance();
  for (const rules::Removal& removal : end.removals) {
    PlayRemoval(removal);
  }
  // The reserved cells hold the drawn colours until they are announced.
  model_ = end.reserved;
  if (!end.game_over) {
    AnnounceNextBalls();
  }
  model_ = end.after;
}

void TurnPlayer::PlayRemoval(const rules::Removal& removal) {
  if (removal.count() == 0) {
    return;
  }
  for (const TCellPoint& p : removal.cells) {
    model_.Board[CellNumber(p.X, p.Y)].Color = kEmpty;
  }
  AnimateDestroy(removal.cells, removal.color);
  model_.Score += removal.points;
  screen_.DrawNumber(NumberDisplay::kScore, model_.Score);
}

void TurnPlayer::PlayNoPath() {
  if (settings_.CheckNoPath) {
    screen_.PlaySoundFile(settings_.Sound_NoPath);
  }
}

void TurnPlayer::AnimateWalk(const std::vector<TCellPoint>& points, int32_t color, WalkMode mode) {
  for (size_t i = 1; i < points.size(); ++i) {
    const TCellPoint& p = points[i];
    if (mode == WalkMode::kErasing) {
      RestoreCell(p.X, p.Y);
      continue;
    }
    if (settings_.ShowWalk) {
      const int column = WalkColumnOf(points[i - 1], p);
      if (column >= 0 && OnBoard(p.X, p.Y)) {
        screen_.DrawBallFrame(column, 0, Picture::kWalk, CellNumber(p.X, p.Y));
      }
    } else {
      DrawBall(kFrameRest, color, p.X, p.Y);
    }
    if (settings_.CheckMove) {
      screen_.PlaySoundFile(settings_.Sound_Move);
    }
    screen_.WaitMs(settings_.Delay_Move);
    if (!settings_.ShowWalk) {
      RestoreCell(p.X, p.Y);
    }
  }
}

void TurnPlayer::AnimateDestroy(const std::vector<TCellPoint>& cells, int32_t color) {
  for (int f = 1; f <= 10; ++f) {
    for (const TCellPoint& p : cells) {
      if (f < 10) {
        DrawBall(f, color, p.X, p.Y);
      } else {
        DrawEmpty(p.X, p.Y);
      }
    }
    // The sound starts once the first breaking frame shows on every cell.
    if (f == 1 && settings_.CheckDestroy) {
      screen_.PlaySoundFile(settings_.Sound_Destroy);
    }
    if (f < 10) {
      screen_.WaitMs(settings_.Delay_Destroy);
    }
  }
}

void TurnPlayer::AnimateAppearance() {
  for (const TNextBall& slot : model_.NextBalls) {
    if (slot.X == kNone) {
      return;
    }
  }
  for (int i = 0; i < 4; ++i) {
    for (const TNextBall& slot : model_.NextBalls) {
      model_.Board[CellNumber(slot.X, slot.Y)].Color = slot.Color;
      DrawBall(kFrameAppear + i, slot.Color, slot.X, slot.Y);
    }
    screen_.WaitMs(settings_.Delay_Appearance);
  }
  for (const TNextBall& slot : model_.NextBalls) {
    model_.Board[CellNumber(slot.X, slot.Y)].Color = slot.Color;
    DrawBall(kFrameRest, slot.Color, slot.X, slot.Y);
  }
}

void TurnPlayer::DrawBall(int frame, int32_t color, int32_t x, int32_t y) {
  // A colour outside the picture (only a hand-made game state can bring one) shows as empty
  // rather than reading beyond the balls picture.
  if (!OnBoard(x, y)) {
    return;
  }
  if (IsColor(color) && frame >= 0 && frame < kBallColumns) {
    screen_.DrawBallFrame(frame, color, Picture::kBalls, CellNumber(x, y));
  } else {
    screen_.DrawEmptyCell(CellNumber(x, y));
  }
}

void TurnPlayer::DrawEmpty(int32_t x, int32_t y) {
  if (OnBoard(x, y)) {
    screen_.DrawEmptyCell(CellNumber(x, y));
  }
}

void TurnPlayer::RestoreCell(int32_t x, int32_t y) {
  if (ShowsMarks()) {
    for (const TNextBall& slot : model_.NextBalls) {
      if (slot.X == x && slot.Y == y) {
        DrawBall(kFrameMark, slot.Color, x, y);
        return;
      }
    }
  }
  DrawEmpty(x, y);
}

void TurnPlayer::Announce(int slot) {
  const TNextBall& r = model_.NextBalls[slot];
  // The display mode may have changed while no ball was announced, when nothing redraws the
  // previews.
  if (previews_visible_[slot] != ShowsPreviews()) {
    SetPreviewVisible(slot, ShowsPreviews());
  }
  if (ShowsPreviews() && IsColor(r.Color)) {
    screen_.DrawPreview(slot, r.Color);
  }
  if (ShowsMarks()) {
    DrawBall(kFrameMark, r.Color, r.X, r.Y);
  }
}

void TurnPlayer::AnnounceNextBalls() {
  for (int slot = 0; slot < 3; ++slot) {
    Announce(slot);
    const TNextBall& r = model_.NextBalls[slot];
    if (OnBoard(r.X, r.Y)) {
      model_.Board[CellNumber(r.X, r.Y)].Color = kEmpty;
    }
  }
}

void TurnPlayer::RefreshNextBalls(RefreshReason reason) {
  for (int slot = 0; slot < 3; ++slot) {
    const TNextBall& r = model_.NextBalls[slot];
    if (r.X == kNone) {
      continue;
    }
    if (ShowsPreviews()) {
      SetPreviewVisible(slot, true);
      if (IsColor(r.Color)) {
        screen_.DrawPreview(slot, r.Color);
      }
    } else {
      for (int i = 0; i < 3; ++i) {
        SetPreviewVisible(i, false);
      }
    }
    if (ShowsMarks()) {
      DrawBall(kFrameMark, r.Color, r.X, r.Y);
    } else if (reason == RefreshReason::kDisplayMode) {
      DrawEmpty(r.X, r.Y);
    }
  }
}

void TurnPlayer::SetPreviewVisible(int slot, bool visible) {
  previews_visible_[slot] = visible;
  screen_.SetPreviewVisible(slot, visible);
}

void TurnPlayer::RedrawBoard() {
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      const int n = CellNumber(x, y);
      screen_.DrawEmptyCell(n);
      if (model_.Board[n].Color != kEmpty) {
        DrawBall(kFrameRest, model_.Board[n].Color, x, y);
      }
    }
  }
}

void TurnPlayer::DrawCells() {
  for (int n = 0; n < kCellCount; ++n) {
    const int32_t color = model_.Board[n].Color;
    if (color == kEmpty) {
      screen_.DrawEmptyCell(n);
    } else {
      DrawBall(kFrameRest, color, CellX(n), CellY(n));
    }
  }
}

}  // namespace orbello
