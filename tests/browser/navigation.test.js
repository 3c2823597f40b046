// Generated menus navigate as their projects say, in a current Chromium.
'use strict';

const assert = require('node:assert/strict');
const path = require('node:path');
const {after, before, test} = require('node:test');
const pages = require('./pages');

let browser;
let folder;

before(async () => {
    browser = await pages.launch();
    folder = pages.makeFolder('pickwell-navigation-');
});

after(async () => {
    await browser.close();
    pages.removeFolders();
});

test('the Go button navigates to the chosen item; unlinked items and headings do not', async () => {
    const {page, errors, navigations} =
        await pages.open(browser, pages.codeFilePage(folder, 'browser_shop.pkw', 'shop.html'));
    const list = page.locator('select[name=selectsite]');
    assert.equal(await list.inputValue(), 'poetry.html', 'the pre-selected item shows at load');
    assert.deepEqual(
        await page.locator('optgroup').evaluateAll((groups) => groups.map((g) => g.label)),
        [ 'Books', 'Visit' ]);
    assert.deepEqual(await list.locator('option').allTextContents(),
                     [ 'Choose a page', 'Novels', 'Poetry', 'Café' ]);

    await list.selectOption('nolink');
    await page.locator('input[type=submit]').click();
    // Submitting is queued like any navigation, so a second choice shows whether the first went.
    await list.selectOption('novels.html');
    await page.locator('input[type=submit]').click();
    await page.waitForURL(/novels\.html$/);
    assert.deepEqual(navigations, [ 'novels.html' ]);
    assert.equal(await page.title(), 'Novels');
    assert.deepEqual(errors, []);
});

test('an image button navigates like the Go button', async () => {
    const {page, errors} =
        await pages.open(browser, pages.codeFilePage(folder, 'browser_image.pkw', 'image.html'));
    const image = page.locator('input[type=image]');
    assert.deepEqual(await image.evaluate((button) => [button.width, button.height, button.alt]),
                     [ 40, 20, 'Go' ]);
    await page.locator('select[name=selectsite]').selectOption('poetry.html');
    await image.click();
    await page.waitForURL(/poetry\.html$/);
    assert.deepEqual(errors, []);
});

test('a menu that navigates on item change goes as soon as an item is chosen', async () => {
    const {page, errors, navigations} =
        await pages.open(browser, pages.codeFilePage(folder, 'browser_change.pkw', 'change.html'));
    const list = page.locator('select[name=selectsite]');
    assert.equal(await list.inputValue(), 'nolink');
    assert.equal(await page.locator('input[type=submit]').count(), 0);
    await list.selectOption('poetry.html');
    await page.waitForURL(/poetry\.html$/);
    assert.deepEqual(navigations, [ 'poetry.html' ]);
    assert.deepEqual(errors, []);
});

test('the new-window target opens the linked page in a new window and keeps the menu', async () => {
    const {page, errors, navigations} = await pages.open(
        browser, pages.codeFilePage(folder, 'browser_newwindow.pkw', 'newwindow.html'));
    await page.locator('select[name=selectsite]').selectOption('poetry.html');
    const [popup] = await Promise.all(
        [ browser.context.waitForEvent('page'), page.locator('input[type=submit]').click() ]);
    await popup.waitForLoadState();
    assert.equal(path.basename(new URL(popup.url()).pathname), 'poetry.html');
    assert.equal(await popup.title(), 'Poetry');
    assert.deepEqual(navigations, []);
    assert.deepEqual(errors, []);
    await popup.close();
});

test('in the frameset preview the named lower frame receives the page', async () => {
    const preview = pages.makeFolder('pickwell-frames-');
    pages.generate('preview', 'browser_frame.pkw', preview);
    const {page, errors} = await pages.open(
        browser, pages.pathToFileURL(path.join(preview, 'pickwell_preview_frameset.html')).href);
    const main = page.frame({name : 'main'});
    const lower = page.frame({name : 'lower'});
    assert.ok(main && lower);
    assert.match(await lower.content(), /Linked urls will be displayed in this frame/);

    await main.locator('select[name=selectsite]').selectOption('novels.html');
    await main.locator('input[type=submit]').click();
    await lower.waitForURL(/novels\.html$/);
    assert.equal(await lower.title(), 'Novels');
    assert.match(main.url(), /pickwell_preview\.html$/);
    // Each file page is an origin of its own, so the preview's window sizing may not reach
    // the frameset; the menu works all the same.
    assert.deepEqual(errors, [
        'Failed to read a named property \'screen\' from \'Window\': Blocked a frame with origin ' +
        '"null" from accessing a cross-origin frame.'
    ]);
});

test('the preview page opens as the preview opens it and its menu works', async () => {
    const preview = pages.makeFolder('pickwell-preview-');
    pages.generate('preview', 'browser_shop.pkw', preview);
    const {page, errors} = await pages.open(
        browser, pages.pathToFileURL(path.join(preview, 'pickwell_preview.html')).href);
    assert.equal(await page.title(), 'Pickwell - Menu Preview');
    await page.locator('select[name=selectsite]').selectOption('cafe.html');
    await page.locator('input[type=submit]').click();
    await page.waitForURL(/cafe\.html$/);
    assert.deepEqual(errors, []);
});

test('two menus with their own names work on one page each by itself', async () => {
    const shop = pages.clipTexts('browser_shop.pkw');
    const quick = pages.clipTexts('browser_change.pkw');
    const url = pages.writePage(folder, 'two.html',
                                `<html><head><meta charset="utf-8">${shop.functionCode}</head>` +
                                    `<body>${shop.htmlCode}${quick.htmlCode}</body></html>`);
    const {page, errors, navigations} = await pages.open(browser, url);
    const shopList = page.locator('form[name=shop] select');
    const quickList = page.locator('form[name=quick] select');

    await shopList.selectOption('novels.html');
    await quickList.selectOption('poetry.html');
    await page.waitForURL(/poetry\.html$/);
    await page.goBack();
    await shopList.selectOption('cafe.html');
    await page.locator('form[name=shop] input[type=submit]').click();
    await page.waitForURL(/cafe\.html$/);
    assert.deepEqual(navigations, [ 'poetry.html', 'two.html', 'cafe.html' ]);
    assert.deepEqual(errors, []);
});

test('on item change an arrow key navigates at once, and after Back the old choice shows',
     async () => {
         const {page, errors, navigations} = await pages.open(
             browser, pages.codeFilePage(folder, 'browser_change.pkw', 'keys.html'));
         const list = page.locator('select[name=selectsite]');
         await list.focus();
         await page.keyboard.press('ArrowDown');
         await page.waitForURL(/novels\.html$/);
         await page.goBack();
         // So choosing that item once more is no change in the list, and goes nowhere.
         assert.equal(await list.inputValue(), 'novels.html', 'the page comes back as it was left');
         assert.deepEqual(navigations, [ 'novels.html', 'keys.html' ]);
         assert.deepEqual(errors, []);
     });
