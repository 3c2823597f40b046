// The menu as three files on a site that sends "Content-Security-Policy: default-src 'self'":
// in the same window, a new window and another frame it has its styles and navigates, with no
// console error and no policy violation; two menus' files on one page keep their own looks and
// bind once. The pasted form under the same policy shows that the watch sees what it blocks.
'use strict';

const assert = require('node:assert/strict');
const {after, before, beforeEach, test} = require('node:test');
const pages = require('./pages');
const site = require('./site');

let browser;
let server;
let violations;

before(async () => {
    browser = await pages.launch();
    violations = await pages.watchViolations(browser.context);
    const folder = pages.makeFolder('pickwell-csp-');
    const menus = {};
    for (const project of ['browser_styles.pkw', 'browser_site_popup.pkw',
                           'browser_site_framed.pkw', 'browser_site_current.pkw']) {
        const files = pages.siteFiles(folder, project);
        menus[files.name] = files.fragment;
    }
    const page = (names, title) => pages.doctypePage(
        names.map(pages.siteHead).join(''), names.map((name) => menus[name]).join(''), title);
    site.writeFile(folder, 'same.html', page([ 'styled' ], 'Same window'));
    site.writeFile(folder, 'popup.html', page([ 'sitepopup' ], 'New window'));
    site.writeFile(folder, 'framed.html', page([ 'siteframed' ], 'Framed'));
    site.writeFile(folder, 'two.html', page([ 'sitepopup', 'site' ], 'Two menus'));
    site.writeFile(folder, 'about.html', pages.doctypePage('', '', 'About'));
    site.writeFile(folder, 'lower.html', pages.doctypePage('', '', 'Lower'));
    site.writeFile(folder, 'frames.html',
                   '<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Frames' +
                       '</title></head><frameset rows="60%,40%"><frame name="main" ' +
                       'src="framed.html"><frame name="lower" src="lower.html"></frameset></html>');
    const styles = pages.clipTexts('browser_styles.pkw', 'standards');
    site.writeFile(folder, 'inline.html',
                   pages.doctypePage(styles.functionCode, styles.htmlCode, 'Pasted'));
    server = await site.serve(folder, site.STRICT_POLICY);
});

after(async () => {
    await server.close();
    await browser.close();
    pages.removeFolders();
});

beforeEach(() => violations.splice(0));

// The page at `address` opened, and the menu in it (in the frame `frameName` when given)
// found with every chosen style applied.
async function styledMenu(address, frameName) {
    const opened = await pages.open(browser, server.origin + address);
    const frame = frameName ? opened.page.frame({name : frameName}) : opened.page;
    assert.deepEqual(await pages.chosenStylesApplied(frame), pages.ALL_CHOSEN, address);
    return {...opened, frame};
}

function assertQuiet(errors) {
    assert.deepEqual(errors, [], 'console errors');
    assert.deepEqual(violations, [], 'policy violations');
}

test('same window: styled, and the button navigates', async () => {
    const {page, errors, navigations} = await styledMenu('/same.html');
    await page.getByLabel(pages.HIDDEN_LABEL).selectOption('poetry.html');
    await page.getByRole('button', {name : 'Show'}).click();
    await page.waitForURL(/poetry\.html$/);
    assert.deepEqual(navigations, [ 'poetry.html' ]);
    assertQuiet(errors);
});

test('new window: styled, and the button opens the page without a way back', async () => {
    const {page, errors, navigations} = await styledMenu('/popup.html');
    await page.getByLabel(pages.HIDDEN_LABEL).selectOption('novels.html');
    const [popup] = await Promise.all([
        browser.context.waitForEvent('page'), page.getByRole('button', {name : 'Show'}).click()
    ]);
    await popup.waitForLoadState();
    assert.equal(await popup.title(), 'Novels');
    assert.equal(await popup.evaluate(() => window.opener), null);
    await popup.close();
    assert.deepEqual(navigations, []);
    assertQuiet(errors);
});

test('different frame: styled, and the button fills the named frame', async () => {
    const {page, frame, errors} = await styledMenu('/frames.html', 'main');
    const lower = page.frame({name : 'lower'});
    await frame.getByLabel(pages.HIDDEN_LABEL).selectOption('poetry.html');
    await frame.getByRole('button', {name : 'Show'}).click();
    await lower.waitForURL(/poetry\.html$/);
    assert.equal(await lower.title(), 'Poetry');
    assert.match(frame.url(), /framed\.html$/);
    assertQuiet(errors);
});

test('two menus\' files on one page: each its own look, each bound once', async () => {
    const {page, errors, navigations} = await pages.open(browser, `${server.origin}/two.html`);
    const popupMenu = page.locator('form[name=sitepopup]');
    const siteMenu = page.locator('form[name=site]');
    assert.deepEqual(await pages.chosenStylesApplied(page, 'form[name=sitepopup]'),
                     pages.ALL_CHOSEN);
    const plain = await pages.computedStyle(siteMenu.locator('select'),
                                            [ 'fontFamily', 'fontSize', 'backgroundColor' ]);
    console.log(`two.html site list: ${JSON.stringify(plain)}`);
    assert.equal(plain.fontFamily, 'DejaVu Sans');
    assert.equal(plain.fontSize, '13px');
    assert.notEqual(plain.backgroundColor, pages.CHOSEN_STYLES.list.backgroundColor);

    await popupMenu.locator('select').selectOption('poetry.html');
    const opened = [];
    const count = (popup) => opened.push(popup);
    browser.context.on('page', count);
    const [popup] = await Promise.all(
        [ browser.context.waitForEvent('page'), popupMenu.locator('input').click() ]);
    await popup.waitForLoadState();
    browser.context.off('page', count);
    // A script bound twice would have opened a second window in the same click.
    assert.equal(opened.length, 1, 'windows opened');
    await Promise.all(opened.map((p) => p.close()));
    await siteMenu.locator('select').selectOption('/about.html');
    await siteMenu.locator('input').click();
    await page.waitForURL(/about\.html$/);
    assert.deepEqual(navigations, [ 'about.html' ]);
    assertQuiet(errors);
});

test('the pasted form under the same policy is blocked, and the watch reports it', async () => {
    const {page, errors} = await pages.open(browser, `${server.origin}/inline.html`);
    const applied = await pages.chosenStylesApplied(page);
    assert.ok(!applied.list.includes('fontFamily'), 'the style attribute was refused');
    assert.ok(errors.some((error) => /Content Security Policy/.test(error)), errors.join('\n'));
    assert.ok(violations.some((v) => /script-src/.test(v)), violations.join('\n'));
    await page.close();
});
