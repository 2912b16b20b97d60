// Plays one action of the shared list on the page with real pointer and key
// input, as window_differential (tests/random/RandomSession.cpp) plays it on
// the desktop window: the same points on each control, the same skips.
import { control } from '../web/harness.mjs';

// As far inside a box's right edge as the desktop test clicks: after the text,
// so that the cursor lands at its end whatever the font.
const insideRightEdge = 2;

async function boxOf(page, selector) {
  const element = await page.$(selector);
  return element.boundingBox();
}

async function clickAfterText(page, name) {
  const element = await control(page, name);
  const box = await element.boundingBox();
  await page.mouse.click(box.x + box.width - insideRightEdge, box.y + box.height / 2);
  // A text wider than its box cannot be clicked after (and a box without the
  // focus shows its start here, but where its cursor was on the desktop): to
  // reach its end, a user presses End.
  if (await element.evaluate((input) => input.scrollWidth > input.clientWidth)) {
    await page.keyboard.press('End');
  }
}

async function clickCentre(page, name) {
  const box = await (await control(page, name)).boundingBox();
  await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
}

async function withModifier(page, modifier, key) {
  await page.keyboard.down(modifier);
  await page.keyboard.press(key);
  await page.keyboard.up(modifier);
}

// A bar's parts where a user sees them, and its range and value.
async function barGeometry(page, name) {
  const at = (part) => boxOf(page, `[id="${name}"] ${part}`);
  const [bar, left, right, thumb] = await Promise.all(
    [boxOf(page, `[id="${name}"]`), at('.arrow.left'), at('.arrow.right'), at('.thumb')]);
  const [min, max, value] = await page.$eval(`[id="${name}"]`, (element) =>
    ['aria-valuemin', 'aria-valuemax', 'aria-valuenow'].map((a) => +element.getAttribute(a)));
  return { y: bar.y + bar.height / 2, leftArrow: left.x + left.width / 2,
           rightArrow: right.x + right.width / 2, trackStart: left.x + left.width,
           trackEnd: right.x, thumb, min, max, value };
}

// Presses the thumb at its middle and moves it so that it stands where each
// value in turn puts it (the thumb's travel spread evenly over the range).
async function dragThumb(page, bar, values) {
  const grab = Math.floor(bar.thumb.width / 2);
  const travel = bar.trackEnd - bar.trackStart - bar.thumb.width;
  await page.mouse.move(bar.thumb.x + grab, bar.y);
  await page.mouse.down();
  for (const value of values) {
    const offset = Math.round(((value - bar.min) * travel) / (bar.max - bar.min));
    await page.mouse.move(bar.trackStart + offset + grab, bar.y);
  }
  await page.mouse.up();
}

async function playOnBar(page, action, focus) {
  const name = `HScroll${action.bar}`;
  const bar = await barGeometry(page, name);
  const left = action.number < 0;
  switch (action.kind) {
    case 'ArrowClick':
      return page.mouse.click(left ? bar.leftArrow : bar.rightArrow, bar.y);
    case 'TrackClick': {
      // At an end of the range there is no track on that side of the thumb.
      if (left ? bar.value <= bar.min : bar.value >= bar.max) return undefined;
      const from = left ? bar.trackStart : bar.thumb.x + bar.thumb.width;
      const to = left ? bar.thumb.x : bar.trackEnd;
      return page.mouse.click(from + Math.floor((to - from) / 2), bar.y);
    }
    case 'ThumbDrag':
      return dragThumb(page, bar, action.values);
    default:
      // A user gives a bar the focus without moving it by pressing its thumb.
      if (focus !== name) {
        await page.mouse.click(bar.thumb.x + Math.floor(bar.thumb.width / 2), bar.y);
      }
      return page.keyboard.press(action.key);
  }
}

// Left and Right in a box with a selection are left out, as window_differential
// leaves them out: the desktop's offscreen platform moves the cursor as on
// Windows, one character from where it stands, a browser to the selection's edge.
function movesWithinSelection(page, action) {
  if (action.key !== 'ArrowLeft' && action.key !== 'ArrowRight') return false;
  return page.evaluate(() => document.activeElement.selectionStart !==
                             document.activeElement.selectionEnd);
}

// `focus` is the focused control before the action, as windowState gives it.
// The lesson's controls as the desktop test reaches them, in a window of
// their own that leaves the main one active with its focus: here the same
// input, then the focus back where it was and the page back at its top.
async function playOnLesson(page, action) {
  const before = await page.evaluate(() => {
    const focused = document.activeElement;
    return focused && focused.closest('#program .client') ? focused.id : null;
  });
  const bars = { 3: 'hsbQuality', 4: 'hsbKept', 5: 'hsbLevel' };
  const buttons = {
    1: 'cmdNewChallenge', 2: 'cmdHint', 3: 'cmdCreateChallenge', 4: 'cmdEndChallenge', 5: 'cmdView',
  };
  // False for a disabled control, which takes no focus: then no key reaches
  // it, as none reaches a disabled widget on the desktop.
  const focusOn = (id) => page.evaluate((name) => {
    const element = document.getElementById(name);
    element.scrollIntoView({ block: 'nearest' });
    element.focus({ preventScroll: true });
    return document.activeElement === element;
  }, id);
  switch (action.kind) {
    case 'PictureClick': {
      const [x, y] = action.values;
      const at = await page.evaluate((px, py) => {
        const stage = document.querySelector('#picPicture .stage');
        stage.scrollIntoView({ block: 'nearest' });
        const box = stage.getBoundingClientRect();
        return { x: box.left + ((px + 0.5) * box.width) / 256,
                 y: box.top + ((py + 0.5) * box.height) / 256 };
      }, x, y);
      await page.mouse.click(at.x, at.y);
      break;
    }
    case 'PictureKey':
      if (await focusOn('picPicture')) await page.keyboard.press(action.key);
      break;
    case 'LessonBarKey':
      if (await focusOn(bars[action.bar])) await page.keyboard.press(action.key);
      break;
    default: {
      if (await focusOn(buttons[action.number])) await page.keyboard.press('Enter');
    }
  }
  await page.evaluate((id) => {
    if (id) document.getElementById(id).focus({ preventScroll: true });
    else document.activeElement?.blur();
    window.scrollTo(0, 0);
  }, before);
}

// What the lesson says, as window_differential's WindowStateJson reads it.
export function lessonState(page) {
  return page.evaluate(() => {
    const text = (id) => document.getElementById(id).textContent;
    const link = document.getElementById('txtLink').value;
    return {
      lessonMeasures: text('lblMeasures'),
      lessonSteps: text('lblSteps'),
      lessonQuality: text('lblQuality'),
      lessonKept: text('lblKept'),
      lessonLevel: text('lblLevel'),
      lessonChallenge: text('lblChallenge'),
      lessonDifferenceScale: text('lblDifferenceScale'),
      lessonTargetScale: text('lblTargetScale'),
      lessonPicture: text('lblPicture'),
      lessonCode: text('lblCode'),
      lessonLink: link.slice(link.indexOf('#') + 1),
    };
  });
}

// The desktop's window is a Tab chain of its own; in the page the lesson's
// controls follow the window's, so Tab goes on through them and back, and
// the page, scrolled to each, back to the top, where the window is.
async function tabWithinWindow(page, press) {
  await press();
  for (let i = 0; i < 40; ++i) {
    if (!(await page.evaluate(() => document.activeElement?.closest('#lesson') != null))) break;
    await press();
  }
  await page.evaluate(() => window.scrollTo(0, 0));
}

export async function playOnPage(page, action, focus) {
  const inBox = focus !== null && focus.startsWith('Text');
  switch (action.kind) {
    case 'ClickCoefficientBox':
      return clickAfterText(page, `Text2(${action.number})`);
    case 'ClickPixelBox':
      return clickAfterText(page, `Text1(${action.number})`);
    case 'Type':
      return inBox ? page.keyboard.type(action.text) : undefined;
    case 'ClearText':
      if (!inBox) return undefined;
      await withModifier(page, 'Control', 'a');
      return page.keyboard.press('Delete');
    case 'EditKey':
      return inBox && !(await movesWithinSelection(page, action)) ?
        page.keyboard.press(action.key) : undefined;
    case 'Tab':
      return tabWithinWindow(page, () => page.keyboard.press('Tab'));
    case 'BackTab':
      return tabWithinWindow(page, () => withModifier(page, 'Shift', 'Tab'));
    case 'ArrowClick':
    case 'TrackClick':
    case 'ThumbDrag':
    case 'BarKey':
      return playOnBar(page, action, focus);
    case 'PictureClick':
    case 'PictureKey':
    case 'LessonBarKey':
    case 'LessonButton':
      return playOnLesson(page, action);
    case 'Zero':
      return clickCentre(page, 'Command2');
    case 'Reset':
      return clickCentre(page, 'Command1');
    default:
      throw new Error(`no way to play ${JSON.stringify(action)} on the page`);
  }
}
