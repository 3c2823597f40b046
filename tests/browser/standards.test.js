// The standards-compliant code in a current Chromium: every chosen style applies with and
// without a doctype, every target navigates (a new window without a way back to the menu's
// page), Back and the keyboard behave, and every project's pages are valid HTML5 in which axe
// finds nothing to report.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const {after, before, test} = require('node:test');
const pages = require('./pages');

const STANDARDS = 'standards';
const PROJECTS = fs.readdirSync(process.env.PICKWELL_TEST_DATA)
                     .filter((name) => /^browser_.*\.pkw$/.test(name))
                     .sort();
let browser;
let folder;

before(async () => {
    browser = await pages.launch();
    folder = pages.makeFolder('pickwell-standards-');
});

after(async () => {
    await browser.close();
    pages.removeFolders();
});

// The list of the menu `name`, found as a screen reader finds it: by its label.
function menuList(frame, name) {
    return frame.locator(`form[name="${name}"]`).getByLabel(pages.HIDDEN_LABEL);
}

function fragmentPage(project, name, {doctype = true} = {}) {
    const {functionCode, htmlCode} = pages.clipTexts(project, STANDARDS);
    const html = doctype ? pages.doctypePage(functionCode, htmlCode)
                         : `<html><head>${functionCode}</head><body>${htmlCode}</body></html>`;
    return {url : pages.writePage(folder, name, html), html};
}

test('every chosen style applies, with a doctype and without one', async () => {
    for (const [doctype, compatMode] of [[ true, 'CSS1Compat' ], [ false, 'BackCompat' ]]) {
        const {url} = fragmentPage('browser_styles.pkw', `styles-${doctype}.html`, {doctype});
        const {applied, mode, errors} = await pages.appliedStyles(browser.context, url);
        assert.equal(mode, compatMode);
        assert.deepEqual(applied, pages.ALL_CHOSEN, compatMode);
        assert.deepEqual(errors, []);
    }
});

test('the Go button navigates in the same window and unlinked items stay', async () => {
    const {page, errors, navigations} = await pages.open(
        browser, pages.codeFilePage(folder, 'browser_shop.pkw', 'shop.html', STANDARDS));
    const list = menuList(page, 'shop');
    assert.equal(await list.inputValue(), 'poetry.html');
    await list.selectOption('nolink');
    await page.getByRole('button', {name : 'Go'}).click();
    await list.selectOption('cafe.html');
    await page.getByRole('button', {name : 'Go'}).click();
    await page.waitForURL(/cafe\.html$/);
    assert.deepEqual(navigations, [ 'cafe.html' ]);
    assert.deepEqual(errors, []);
});

test('the new-window target opens a window and the frame target fills the named frame',
     async () => {
         const {page, errors} = await pages.open(
             browser, pages.codeFilePage(folder, 'browser_newwindow.pkw', 'new.html', STANDARDS));
         await menuList(page, 'popup').selectOption('novels.html');
         const [popup] = await Promise.all([
             browser.context.waitForEvent('page'), page.getByRole('button', {name : 'Go'}).click()
         ]);
         await popup.waitForLoadState();
         assert.equal(await popup.title(), 'Novels');
         assert.equal(await popup.evaluate(() => window.opener), null,
                      'the opened page cannot reach back to the menu\'s page');
         await popup.close();
         assert.deepEqual(errors, []);

         const preview = pages.makeFolder('pickwell-standards-frames-');
         pages.generate('preview', 'browser_frame.pkw', preview, STANDARDS);
         const framed = await pages.open(
             browser,
             pages.pathToFileURL(path.join(preview, 'pickwell_preview_frameset.html')).href);
         const main = framed.page.frame({name : 'main'});
         const lower = framed.page.frame({name : 'lower'});
         await menuList(main, 'framed').selectOption('poetry.html');
         await main.getByRole('button', {name : 'Go'}).click();
         await lower.waitForURL(/poetry\.html$/);
         assert.match(main.url(), /pickwell_preview\.html$/);
         assert.deepEqual(framed.errors, [], 'the standards preview has no window sizing to block');
     });

test('after Back the pre-selected item shows, and choosing the same item again navigates',
     async () => {
         const {page, errors, navigations} = await pages.open(
             browser, pages.codeFilePage(folder, 'browser_change.pkw', 'change.html', STANDARDS));
         const list = menuList(page, 'quick');
         await list.selectOption('poetry.html');
         await page.waitForURL(/poetry\.html$/);
         await page.goBack();
         assert.equal(await list.inputValue(), 'nolink');
         await list.selectOption('poetry.html');
         await page.waitForURL(/poetry\.html$/);
         assert.deepEqual(navigations, [ 'poetry.html', 'change.html', 'poetry.html' ]);
         assert.deepEqual(errors, []);
     });

test('on item change the arrow keys alone do not navigate, Enter does', async () => {
    const {page, errors, navigations} = await pages.open(
        browser, pages.codeFilePage(folder, 'browser_change.pkw', 'keys.html', STANDARDS));
    const list = menuList(page, 'quick');
    await list.focus();
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    assert.equal(await list.inputValue(), 'poetry.html');
    await page.keyboard.press('Enter');
    await page.waitForURL(/poetry\.html$/);
    assert.deepEqual(navigations, [ 'poetry.html' ],
                     'the first arrow chose Novels and went nowhere');
    assert.deepEqual(errors, []);
});

test('texts and addresses arrive as they were typed', async () => {
    const {page, errors} = await pages.open(
        browser, pages.codeFilePage(folder, 'browser_escapes.pkw', 'escapes.html', STANDARDS));
    const list = menuList(page, 'escapes');
    assert.deepEqual(await list.locator('option').allTextContents(),
                     [ 'Fish & Chips <fresh>', 'Say "cheese"' ]);
    assert.equal(await list.inputValue(), 'menu.html?dish="fish"&size=large');
    assert.equal(await page.locator('input[type=submit]').inputValue(), 'Go <now>');
    await page.locator('input[type=submit]').click();
    await page.waitForURL(/menu\.html\?dish=%22fish%22&size=large$/);
    assert.deepEqual(errors, []);
});

test('two menus on one page work each by itself', async () => {
    const shop = pages.clipTexts('browser_shop.pkw', STANDARDS);
    const quick = pages.clipTexts('browser_change.pkw', STANDARDS);
    const url = pages.writePage(
        folder, 'two.html', pages.doctypePage(shop.functionCode, shop.htmlCode + quick.htmlCode));
    const {page, errors, navigations} = await pages.open(browser, url);
    await menuList(page, 'shop').selectOption('novels.html');
    await menuList(page, 'quick').selectOption('poetry.html');
    await page.waitForURL(/poetry\.html$/);
    assert.deepEqual(navigations, [ 'poetry.html' ]);
    assert.deepEqual(errors, []);
});

test('every project\'s pages are valid HTML5 and axe reports no violation', async () => {
    const preview = pages.makeFolder('pickwell-standards-valid-');
    for (const project of PROJECTS) {
        const validator = pages.htmlValidator(project);
        const fragment = fragmentPage(project, `valid-${project}.html`);
        const file = pages.codeFilePage(folder, project, `valid-file-${project}.html`, STANDARDS);
        pages.generate('preview', project, preview, STANDARDS);
        const previewPage = pages.pathToFileURL(path.join(preview, 'pickwell_preview.html')).href;
        for (const [name, url] of [[ 'in a page', fragment.url ], [ 'code file', file ],
                                   [ 'preview', previewPage ]]) {
            const report = await validator.validateString(fs.readFileSync(new URL(url), 'utf8'));
            assert.ok(report.valid,
                      `${project} ${name}: ${JSON.stringify(report.results, null, 1)}`);
        }
        // The code file is the carrier of the two codes, not a page of its own: its menu is
        // checked in place, the rest of it in the pages around the codes.
        assert.deepEqual(await pages.axeViolations(browser.context, file, 'form'), [], project);
        for (const url of [fragment.url, previewPage]) {
            assert.deepEqual(await pages.axeViolations(browser.context, url), [], project);
        }
    }
});
